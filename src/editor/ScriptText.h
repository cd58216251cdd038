#pragma once
#include <string>
#include <string_view>

// Turns every line end of a loaded script into CR LF: a lone CR, a lone LF
// and the pair LF CR each count as one line end.
std::string NormalizeLineEnds(std::string_view text);

// A script is single-byte text; a NUL byte means the file is not one.
inline bool HoldsBinaryData(std::string_view bytes) {
    return bytes.find('\0') != std::string_view::npos;
}

// The folder part of a path with its trailing backslash ("" when none).
std::string FolderPart(std::string_view path);
// The file name without its folder.
std::string FileNamePart(std::string_view path);
