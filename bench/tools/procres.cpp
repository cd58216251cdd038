// Prints what the running program holds of the system: its handle count,
// GDI and USER objects, and its private and working-set bytes, found through
// its main window. Run beside it (same Wine prefix and display).
// Output: "handles N gdi N user N private_kb N workingset_kb N"; a count the
// system cannot give (Wine has no GetGuiResources) shows as "n/a".
#include <cstdio>
#include <utility>

#include <windows.h>
#include <psapi.h>

#include "win/UniqueHandle.h"

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
    DWORD handles = 0;
    GetProcessHandleCount(process.get(), &handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    std::printf("handles %lu", handles);
    for (const auto& [name, kind] : {std::pair{"gdi", GR_GDIOBJECTS}, {"user", GR_USEROBJECTS}}) {
        SetLastError(0);
        const DWORD count = GetGuiResources(process.get(), kind);
        if (count == 0 && GetLastError() != 0)
            std::printf(" %s n/a", name);
        else
            std::printf(" %s %lu", name, count);
    }
    std::printf(" private_kb %zu workingset_kb %zu\n", memory.PrivateUsage / 1024,
                memory.WorkingSetSize / 1024);
    return 0;
}
