#include "win/HelpBrowser.h"

#include <windows.h>
#include <shellapi.h>

#include "win/FileIo.h"
#include "win/Wide.h"

std::uint32_t OpenInDefaultBrowser(const std::string& page) {
    if (GetFileAttributesW(FileSystemPath(page).c_str()) == INVALID_FILE_ATTRIBUTES)
        return GetLastError();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", Widen(page).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
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
