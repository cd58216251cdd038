// Prints what the running program holds of the system, found through its
// main window: its handles (from the system's handle list, which Wine keeps
// in its server), its windows, its GDI and USER objects and its memory.
// Run beside it (same Wine prefix and display).
// Output: "handles N windows N gdi N user N pagefile_kb N workingset_kb N";
// a count the system cannot give (Wine has no GetGuiResources) shows as
// "n/a".
#include <cstdio>
#include <utility>
#include <vector>

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include "win/UniqueHandle.h"

namespace {

// The layout of SystemHandleInformation's entries.
struct HandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleList {
    ULONG count;
    HandleEntry entries[1];
};

long HandlesOf(DWORD pid) {
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    std::vector<unsigned char> buffer(1 << 20);
    for (int i = 0; i < 8; ++i) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                                         static_cast<ULONG>(buffer.size()), &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L)) { // too small
            buffer.resize(std::max<std::size_t>(needed, buffer.size() * 2));
            continue;
        }
        if (status != 0)
            return -1;
        const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
        long count = 0;
        for (ULONG h = 0; h < list->count; ++h)
            count += list->entries[h].ownerPid == pid ? 1 : 0;
        return count;
    }
    return -1;
}

struct WindowCount {
    DWORD pid;
    long count = 0;
};

BOOL CALLBACK CountChild(HWND hwnd, LPARAM lp) {
    auto& windows = *reinterpret_cast<WindowCount*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    windows.count += pid == windows.pid ? 1 : 0;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND hwnd, LPARAM lp) {
    CountChild(hwnd, lp);
    EnumChildWindows(hwnd, CountChild, lp);
    return TRUE;
}

long WindowsOf(DWORD pid) {
    WindowCount windows{pid};
    EnumWindows(CountTop, reinterpret_cast<LPARAM>(&windows));
    // Message-only windows are listed apart.
    for (HWND h = nullptr; (h = FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr)) != nullptr;)
        CountTop(h, reinterpret_cast<LPARAM>(&windows));
    return windows.count;
}

} // namespace

int main() {
    HWND main = FindWindowW(L"TForm1", nullptr);
    DWORD pid = 0;
    if (!main || !GetWindowThreadProcessId(main, &pid)) {
        std::fprintf(stderr, "no main window\n");
        return 1;
    }
    const UniqueHandle<HANDLE, KernelHandleClose> process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
    if (!process) {
        std::fprintf(stderr, "cannot open process %lu\n", pid);
        return 1;
    }
    std::printf("handles %ld windows %ld", HandlesOf(pid), WindowsOf(pid));
    for (const auto& [name, kind] : {std::pair{"gdi", GR_GDIOBJECTS}, {"user", GR_USEROBJECTS}}) {
        SetLastError(0);
        const DWORD count = GetGuiResources(process.get(), kind);
        if (count == 0 && GetLastError() != 0)
            std::printf(" %s n/a", name);
        else
            std::printf(" %s %lu", name, count);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.get(), &memory, sizeof memory);
    std::printf(" pagefile_kb %zu workingset_kb %zu\n", memory.PagefileUsage / 1024,
                memory.WorkingSetSize / 1024);
    return 0;
}
