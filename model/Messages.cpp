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
