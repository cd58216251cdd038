#pragma once
#include <functional>
#include <string>

// A path as the wide file calls take it: whole, and past MAX_PATH in the
// \\?\ form so that no length short of the system's limit is refused.
std::wstring FileSystemPath(const std::string& path);

// Whole-file reads and safe whole-file replacement. Errors throw Win32Error
// carrying the system's text.
std::string ReadWholeFile(const std::string& path);

// The temporary file beside `path` that a replacement goes through: a short
// name of its own, so a file whose name is as long as names may be can still
// be replaced; the same for the same file, so an interrupted one is found.
std::string ReplacementName(const std::string& path);

// Replaces a file without risking the old one: `fill` writes the new
// contents into the temporary file it is given (a copy of the old file when
// `startFromOld`, else not there yet) and throws when it cannot; the copy is
// then flushed to the disk and moved over the target in one step. A
// read-only target is refused. On any failure the target is untouched, the
// temporary file is gone and the error is thrown.
void ReplaceFileSafely(const std::string& path, bool startFromOld,
                       const std::function<void(const std::string& temp)>& fill);

// The same with the whole new contents at hand.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

// Makes the system write a file's cached data to the disk; false when it
// could not.
bool FlushToDisk(const std::string& path);

// The full path of a file named relative to the current folder, whole.
std::string FullPath(const std::string& path);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
