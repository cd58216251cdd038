#include "win/FileIo.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include <windows.h>

#include "win/UniqueHandle.h"
#include "win/Wide.h"
#include "win/Win32Error.h"

namespace {
// The path made full by the system, or nothing where it cannot be.
std::optional<std::wstring> WholePath(const std::wstring& wide) {
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return std::nullopt;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return std::nullopt;
    full.resize(length);
    return full;
}
} // namespace

std::wstring FileSystemPath(const std::string& path) {
    std::wstring wide = Widen(path);
    // Past MAX_PATH only the \\?\ form reaches a file on every Windows (the
    // long-path opt-in is a machine setting); that form takes a full path.
    if (wide.size() < MAX_PATH - 12 || wide.starts_with(L"\\\\?\\"))
        return wide;
    const std::optional<std::wstring> whole = WholePath(wide);
    if (!whole)
        return wide;
    const std::wstring& full = *whole;
    if (full.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::string ReadWholeFile(const std::string& path) {
    UniqueFile file(CreateFileW(FileSystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        ThrowLastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        ThrowLastError();
    if (size.QuadPart > 0x7FFFFFFF)
        throw Win32Error(ERROR_FILE_TOO_LARGE);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr))
        ThrowLastError();
    bytes.resize(done);
    return bytes;
}

std::string ReplacementName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::uint32_t hash = 2166136261u; // FNV-1a of the file's name
    for (std::size_t i = nameStart; i < path.size(); ++i)
        hash = (hash ^ static_cast<unsigned char>(path[i])) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
    return path.substr(0, nameStart) + "~cuecraft-" + hex + ".tmp";
}

namespace {
void RemoveTemporary(const std::string& temp) {
    // A copy of a read-only file is read-only too.
    const std::wstring name = FileSystemPath(temp);
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(name.c_str());
}

[[noreturn]] void Fail(const std::string& temp, DWORD error) {
    RemoveTemporary(temp);
    throw Win32Error(error ? error : ERROR_WRITE_FAULT);
}
} // namespace

void ReplaceFileSafely(const std::string& path, bool startFromOld,
                       const std::function<void(const std::string& temp)>& fill) {
    const std::string temp = ReplacementName(path);
    RemoveTemporary(temp); // left over from an interrupted save
    // A read-only file is not replaced, whatever the file system would allow
    // (Wine would move the copy over it; Windows refuses).
    const std::wstring target = FileSystemPath(path);
    const std::wstring copy = FileSystemPath(temp);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    if (existed && (attributes & FILE_ATTRIBUTE_READONLY))
        throw Win32Error(ERROR_ACCESS_DENIED);
    if (startFromOld && existed && !CopyFileW(target.c_str(), copy.c_str(), FALSE))
        Fail(temp, GetLastError());
    try {
        fill(temp);
    } catch (...) {
        RemoveTemporary(temp);
        throw;
    }
    // On the disk before the move: after a power cut the file is either the
    // old one or the new one, never empty.
    if (!FlushToDisk(temp))
        Fail(temp, GetLastError());
    if (!MoveFileExW(copy.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail(temp, GetLastError());
}

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
    ReplaceFileSafely(path, false, [&bytes](const std::string& temp) {
        UniqueFile file(CreateFileW(FileSystemPath(temp).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            ThrowLastError();
        DWORD done = 0;
        if (!bytes.empty() && !(WriteFile(file.get(), bytes.data(),
                                          static_cast<DWORD>(bytes.size()), &done, nullptr) &&
                                done == bytes.size()))
            throw Win32Error(GetLastError() ? GetLastError() : ERROR_DISK_FULL);
    });
}

bool FlushToDisk(const std::string& path) {
    UniqueFile file(CreateFileW(FileSystemPath(path).c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get());
}

std::string FullPath(const std::string& path) {
    const std::optional<std::wstring> whole = WholePath(Widen(path));
    return whole ? Narrow(*whole) : path;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(FileSystemPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(FileSystemPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
