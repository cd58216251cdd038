#include "win/Window.h"

namespace {
Window::ErrorTrap& Trap() {
    static Window::ErrorTrap trap;
    return trap;
}
} // namespace

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::SetErrorTrap(ErrorTrap trap) {
    Trap() = std::move(trap);
}

void Window::ReportError(const std::string& text) {
    if (Trap())
        Trap()(text);
}

bool Window::Register(const char* className, HBRUSH background) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(instance, className, &wc))
        return true;
    wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = StaticProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

bool Window::CreateTopLevel(const char* className, const char* caption, DWORD style, DWORD exStyle,
                            HMENU menu, HBRUSH background) {
    if (!Register(className, background))
        return false;
    CreateWindowExA(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, menu, GetModuleHandleA(nullptr), this);
    return hwnd_ != nullptr;
}

bool Window::CreateChild(const char* className, HWND parent, DWORD style, int x, int y, int width,
                         int height) {
    if (!Register(className, nullptr))
        return false;
    CreateWindowExA(0, className, "", style | WS_CHILD, x, y, width, height, parent, nullptr,
                    GetModuleHandleA(nullptr), this);
    return hwnd_ != nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self)
        return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        self->hwnd_ = nullptr;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    return Trapped([&] { return self->HandleMessage(msg, wp, lp); }, LRESULT{0});
}
