#include "Messages.h"

namespace {
MessageHandler& Handler() {
    static MessageHandler h;
    return h;
}
}  // namespace

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

void ShowMessage(const std::string& text) {
    if (Handler()) Handler()(text);
}

MessagesHeld::MessagesHeld(std::vector<std::string>& into) : shown_(Handler()) {
    Handler() = [&into](const std::string& text) { into.push_back(text); };
}

MessagesHeld::~MessagesHeld() { Handler() = std::move(shown_); }
