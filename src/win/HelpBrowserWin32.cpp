#include "win/HelpBrowser.h"

#include <windows.h>
#include <shellapi.h>

std::uint32_t OpenInDefaultBrowser(const std::string& page) {
    if (GetFileAttributesA(page.c_str()) == INVALID_FILE_ATTRIBUTES)
        return GetLastError();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
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
