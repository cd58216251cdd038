#include "win/Window.h"

#include "win/Wide.h"

namespace {
Window::ErrorTrap& Trap() {
    static Window::ErrorTrap trap;
    return trap;
}
} // namespace

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
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
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring name = Widen(className);
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, name.c_str(), &wc))
        return true;
    wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = StaticProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name.c_str();
    return RegisterClassExW(&wc) != 0;
}

bool Window::CreateTopLevel(const char* className, const char* caption, DWORD style, DWORD exStyle,
                            HMENU menu, HBRUSH background) {
    if (!Register(className, background))
        return false;
    CreateWindowExW(exStyle, Widen(className).c_str(), Widen(caption).c_str(), style, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu,
                    GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
}

bool Window::CreateChild(const char* className, HWND parent, DWORD style, int x, int y, int width,
                         int height) {
    if (!Register(className, nullptr))
        return false;
    CreateWindowExW(0, Widen(className).c_str(), L"", style | WS_CHILD, x, y, width, height, parent,
                    nullptr, GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        self->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return Trapped([&] { return self->HandleMessage(msg, wp, lp); }, LRESULT{0});
}
