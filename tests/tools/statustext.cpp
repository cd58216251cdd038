// Prints the panel texts of the editor's status bar, one line each, as the
// program's window shows them. The status bar answers SB_GETTEXT with a
// pointer in its own process, so the text buffer is lent there.
#include <cstdio>
#include <string>

#include <windows.h>
#include <commctrl.h>

namespace {
struct Remote {
    HANDLE process;
    void* memory;
    ~Remote() {
        if (memory)
            VirtualFreeEx(process, memory, 0, MEM_RELEASE);
        if (process)
            CloseHandle(process);
    }
};
} // namespace

int main() {
    HWND main = FindWindowA("TForm1", nullptr);
    HWND bar = main ? FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr) : nullptr;
    if (!bar) {
        std::fprintf(stderr, "no status bar\n");
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(bar, &pid);
    constexpr SIZE_T kSize = 4096;
    Remote remote{OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid), nullptr};
    if (remote.process)
        remote.memory = VirtualAllocEx(remote.process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    if (!remote.memory) {
        std::fprintf(stderr, "no memory in the program's process\n");
        return 1;
    }
    const int panels = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    for (int i = 0; i < panels; ++i) {
        const LRESULT length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, i, 0));
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        if (length + 1 > static_cast<LRESULT>(kSize))
            return 1;
        SendMessageA(bar, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(remote.memory));
        SIZE_T read = 0;
        ReadProcessMemory(remote.process, remote.memory, text.data(), text.size(), &read);
        text.resize(static_cast<std::size_t>(length));
        std::printf("%s\n", text.c_str());
    }
    return 0;
}
