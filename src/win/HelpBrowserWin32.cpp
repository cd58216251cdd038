#include "win/HelpBrowser.h"

#include <optional>

#include <windows.h>
#include <shellapi.h>

#include "win/FileIo.h"
#include "win/Wide.h"

namespace {
// The shell takes no path of MAX_PATH characters or more: such a page goes
// by the short name of its folder, when the file system has one short
// enough. The page keeps its own name, whose type picks the program.
std::optional<std::wstring> ShellPath(const std::string& page) {
    std::wstring path = Widen(page);
    if (path.size() < MAX_PATH)
        return path;
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return std::nullopt;
    const std::wstring folder = FileSystemPath(page.substr(0, page.find_last_of('\\')));
    std::wstring shortName(folder.size() + 1, L'\0');
    const DWORD size = GetShortPathNameW(folder.c_str(), shortName.data(),
                                         static_cast<DWORD>(shortName.size()));
    if (size == 0 || size >= shortName.size())
        return std::nullopt;
    shortName.resize(size);
    if (shortName.starts_with(L"\\\\?\\"))
        shortName.erase(0, 4);
    shortName += path.substr(slash);
    if (shortName.size() >= MAX_PATH)
        return std::nullopt;
    return shortName;
}
} // namespace

std::uint32_t OpenInDefaultBrowser(const std::string& page) {
    if (GetFileAttributesW(FileSystemPath(page).c_str()) == INVALID_FILE_ATTRIBUTES)
        return GetLastError();
    const std::optional<std::wstring> path = ShellPath(page);
    if (!path)
        return ERROR_FILENAME_EXCED_RANGE; // there, but out of the shell's reach
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", path->c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32)
        return 0;
    // The page is there, so whatever else fails means that no program could
    // be started for it (no association, or one naming a missing or broken
    // program), except for these.
    switch (result) {
    case 0:
    case SE_ERR_OOM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_ACCESSDENIED:
        return ERROR_ACCESS_DENIED;
    case SE_ERR_SHARE:
        return ERROR_SHARING_VIOLATION;
    default:
        return ERROR_NO_ASSOCIATION;
    }
}
