// Tests that run windows: the toolkit runs headless on a 1024 x 768 screen
// and messages are collected instead of shown.
#pragma once
#include <string>
#include <vector>

std::vector<std::string>& Messages();   // shown since the last clear, questions too
bool& QuestionAnswer();                  // the answer tests give to a question (false: No)
