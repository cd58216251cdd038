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
    const DWORD code = GetLastError();
    return code ? code : ERROR_NO_ASSOCIATION;
}
