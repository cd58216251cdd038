#pragma once
#include <cstdint>
#include <string>

class IModalUi;
class IPerfCounter;

// True on the NT family of Windows (platform id 2).
bool IsNtFamily();

// The folder the program file is in, with its trailing backslash.
std::string ProgramFolder();

// The "FileVersion" text of `fileName` (string table 040904E4, cut to 255).
// Without a version resource `result` keeps what it held; when the string is
// absent it becomes empty; on an error a box (kind 3, `caption`) reports it
// and `result` becomes the file name.
void ProgramVersion(IModalUi& ui, const std::string& fileName, const std::string& caption,
                    std::string& result);

// Counter ticks per millisecond; 0 after showing the no-timer box, and the
// caller then ends the program.
std::int64_t MeasureTimer(IModalUi& ui, IPerfCounter& counter);

// Most significant 32 bits of a file's fixed file version; 0 when the file
// has no version record or it cannot be read.
std::uint32_t FileVersionMS(const std::string& fileName);
