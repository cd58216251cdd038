#pragma once
#include <string>

// Status panel 1: the caret position, 1-based, each number in three places.
std::string CaretReportText(int line, int column);
