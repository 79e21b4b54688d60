// Modal messages raised by the engine ("No loads on beam", equilibrium
// errors). The application installs a handler that shows a message box;
// without one the messages are dropped.
#pragma once
#include <functional>
#include <string>
#include <vector>

using MessageHandler = std::function<void(const std::string&)>;

void SetMessageHandler(MessageHandler handler);
void ShowMessage(const std::string& text);

// While it lives, messages are collected into a list instead of shown.
class MessagesHeld {
public:
    explicit MessagesHeld(std::vector<std::string>& into);
    ~MessagesHeld();
    MessagesHeld(const MessagesHeld&) = delete;
    MessagesHeld& operator=(const MessagesHeld&) = delete;

private:
    MessageHandler shown_;
};
