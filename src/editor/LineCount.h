#pragma once

// The editor's line count as users see it: the control always reports at
// least one line, and an empty last line (text ending in a line break) is
// not a line of the script.
inline int DisplayedLineCount(int controlLines, int lastLineLength) {
    return lastLineLength == 0 && controlLines > 0 ? controlLines - 1 : controlLines;
}
