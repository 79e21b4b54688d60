// Tests that run windows: the toolkit runs headless on a 1024 x 768 screen
// and messages are collected instead of shown.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "gui_testing.h"

using Lines_t = std::vector<std::string>;  // messages or lines shown

std::vector<std::string>& Messages();   // shown since the last clear, questions too
bool& QuestionAnswer();                  // the answer tests give to a question (false: No)
// Questions before changes are given up, kept apart from the messages, and
// the answer they get (Discard unless a test says otherwise).
std::vector<std::string>& SaveQuestions();
gui::SaveChoice& SaveAnswer();

// The messages an action shows.
inline std::vector<std::string> Said(const std::function<void()>& action) {
    Messages().clear();
    action();
    return Messages();
}

// The items of a list, first to last.
inline std::vector<std::string> Items(const gui::ListBox& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}
