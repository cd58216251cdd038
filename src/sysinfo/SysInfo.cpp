#include "sysinfo/SysInfo.h"

#include <algorithm>
#include <vector>

#include <windows.h>

#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "sysinfo/TimerMath.h"
#include "win/PerfCounter.h"
#include "win/FileIo.h"
#include "win/Wide.h"
#include "win/Win32Error.h"

std::string ProgramFolder() {
    // The buffer grows until the whole name fits: a folder is never cut.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) >=
               path.size() &&
           path.size() < 32768)
        path.resize(path.size() * 2);
    path.resize(std::min<std::size_t>(length, path.size()));
    const std::string folder = Narrow(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

bool IsNtFamily() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExW(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

namespace {
bool ReadVersionBlock(const std::string& fileName, std::vector<char>& block) {
    DWORD ignored = 0;
    const std::wstring name = FileSystemPath(fileName);
    const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &ignored);
    if (size == 0)
        return false;
    block.assign(size, 0);
    if (!GetFileVersionInfoW(name.c_str(), 0, size, block.data()))
        throw Win32Error(GetLastError());
    return true;
}
} // namespace

void ProgramVersion(IModalUi& ui, const std::string& fileName, const std::string& caption,
                    std::string& result) {
    try {
        std::vector<char> block;
        if (!ReadVersionBlock(fileName, block))
            return;
        wchar_t* text = nullptr;
        UINT length = 0;
        if (VerQueryValueW(block.data(), L"\\StringFileInfo\\040904E4\\FileVersion",
                           reinterpret_cast<void**>(&text), &length) &&
            text && length > 0) {
            result = CutToUnits(Narrow(std::wstring_view(text, wcsnlen(text, length))), 255);
        } else {
            result.clear();
        }
    } catch (const std::exception& e) {
        ShowMsgBox(
            ui, std::string(e.what()) + ", Unable to get version information for this application.",
            caption, 3);
        result = fileName;
    }
}

std::uint32_t FileVersionMS(const std::string& fileName) {
    std::vector<char> block;
    try {
        if (!ReadVersionBlock(fileName, block))
            return 0;
    } catch (const std::exception&) {
        return 0;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return fixed->dwFileVersionMS;
}

std::int64_t MeasureTimer(IModalUi& ui, IPerfCounter& counter) {
    const std::int64_t ticks = TicksPerMsFromFrequency(counter.Frequency());
    if (ticks > 0)
        return ticks;
    ShowMsgBox(ui, GetMsgText(406), kProductTitle, 0);
    return 0;
}
