#pragma once
#include <string>

// Whole-file reads and safe whole-file replacement. Errors throw Win32Error
// carrying the system's text.
std::string ReadWholeFile(const std::string& path);

// Writes `bytes` to a temporary file in the target's folder, flushes it and
// moves it over the target in one step. On any failure the target is
// untouched and the temporary file is gone.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

// Makes the system write a file's cached data to the disk; false when it
// could not.
bool FlushToDisk(const std::string& path);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
