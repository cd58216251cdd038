// Prints the panel texts of the editor's status bar, one line each, in UTF-8,
// as the program's window shows them. The status bar answers SB_GETTEXT with a
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
    HWND main = FindWindowW(L"TForm1", nullptr);
    HWND bar = main ? FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
    if (!bar) {
        std::fprintf(stderr, "no status bar\n");
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(bar, &pid);
    constexpr SIZE_T kSize = 8192;
    Remote remote{OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid), nullptr};
    if (remote.process)
        remote.memory = VirtualAllocEx(remote.process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    if (!remote.memory) {
        std::fprintf(stderr, "no memory in the program's process\n");
        return 1;
    }
    const int panels = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    for (int i = 0; i < panels; ++i) {
        const LRESULT length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, i, 0));
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        if ((length + 1) * sizeof(wchar_t) > kSize)
            return 1;
        SendMessageW(bar, SB_GETTEXTW, i, reinterpret_cast<LPARAM>(remote.memory));
        SIZE_T read = 0;
        ReadProcessMemory(remote.process, remote.memory, text.data(), text.size() * sizeof(wchar_t),
                          &read);
        text.resize(static_cast<std::size_t>(length));
        std::string utf8(static_cast<std::size_t>(length) * 3, '\0');
        utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(
            CP_UTF8, 0, text.data(), static_cast<int>(length), utf8.data(),
            static_cast<int>(utf8.size()), nullptr, nullptr)));
        std::printf("%s\n", utf8.c_str());
    }
    return 0;
}
