#include "sysinfo/SysInfo.h"

#include <vector>

#include <windows.h>

#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "sysinfo/TimerMath.h"
#include "win/PerfCounter.h"
#include "win/Win32Error.h"

std::string ProgramFolder() {
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

bool IsNtFamily() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

namespace {
bool ReadVersionBlock(const std::string& fileName, std::vector<char>& block) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0)
        return false;
    block.assign(size, 0);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, block.data()))
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
        char* text = nullptr;
        UINT length = 0;
        if (VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion",
                           reinterpret_cast<void**>(&text), &length) &&
            text && length > 0) {
            result.assign(text, strnlen(text, length));
            if (result.size() > 255)
                result.resize(255);
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
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
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
