// Modal messages raised by the engine ("No loads on beam", equilibrium
// errors). The application installs a handler that shows a message box;
// without one the messages are dropped.
#pragma once
#include <functional>
#include <string>

using MessageHandler = std::function<void(const std::string&)>;

void SetMessageHandler(MessageHandler handler);
void ShowMessage(const std::string& text);
