#include "editor/StatusTexts.h"

#include <cstdio>

std::string CaretReportText(int line, int column) {
    char text[64];
    std::snprintf(text, sizeof text, "Line: %3d   Col: %3d", line, column);
    return text;
}
