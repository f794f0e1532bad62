#include "platform/ui/win32/WindowClass.h"

#include <memory>

#include "platform/os/win32/WideText.h"
#include "platform/ui/win32/NativeEvents.h"
#include "platform/ui/win32/WindowsApi.h"

namespace ui::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VessamoWindow";

// What each window of the class keeps: made with the window, deleted when
// it is destroyed (WM_NCDESTROY), reached through GWLP_USERDATA.
struct WindowState {
    NativeEvents* events;
    bool busy = false;
    bool hasSeparator = false;
    RECT separator{};
};

WindowState* StateOf(HWND window) {
    return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Paint(HWND window, const WindowState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (state.hasSeparator) {
        RECT line = state.separator;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    }
    EndPaint(window, &paint);
}

void Command(NativeEvents& events, WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) return;
    switch (HIWORD(wParam)) {
        case BN_CLICKED:
        case BN_DOUBLECLICKED:
            events.Clicked(control);
            break;
        case EN_CHANGE:
            events.EditChanged(control);
            break;
        case BN_SETFOCUS:
        case EN_SETFOCUS:
            events.FocusEntered(control);
            break;
        default:
            break;
    }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    WindowState* state = StateOf(window);
    if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            delete state;
            break;
        case WM_COMMAND:
            Command(*state->events, wParam, lParam);
            return 0;
        case WM_CLOSE:
            state->events->CloseBox(window);
            return 0;
        case WM_SETFOCUS:
            if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0)
                state->events->Activated(window);
            return 0;
        case WM_SETCURSOR:
            if (WindowState* root = StateOf(GetAncestor(window, GA_ROOT)); root && root->busy) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
                return TRUE;
            }
            break;
        case WM_PAINT:
            Paint(window, *state);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

WindowClass::WindowClass(NativeEvents& events) : m_events(events) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    m_atom = RegisterClassExW(&windowClass);
}

WindowClass::~WindowClass() {
    if (m_atom != 0) UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
}

HWND WindowClass::CreateTopLevel(std::string_view title, int width, int height, HWND owner) const {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    // Only a window without an owner has a taskbar button of its own.
    if (owner == nullptr) exStyle |= WS_EX_APPWINDOW;
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    auto state = std::make_unique<WindowState>(WindowState{&m_events});
    HWND window =
        CreateWindowExW(exStyle, kClassName, os::WideFromUtf8(title).c_str(), style, CW_USEDEFAULT,
                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner,
                        nullptr, GetModuleHandleW(nullptr), state.get());
    // The window owns its state from WM_NCCREATE on.
    if (window != nullptr) state.release();
    return window;
}

HWND WindowClass::CreatePage(HWND parent, PixelRect rect, bool visible, bool enabled) const {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible) style |= WS_VISIBLE;
    if (!enabled) style |= WS_DISABLED;
    auto state = std::make_unique<WindowState>(WindowState{&m_events});
    HWND window = CreateWindowExW(0, kClassName, L"", style, rect.x, rect.y, rect.w, rect.h, parent,
                                  nullptr, GetModuleHandleW(nullptr), state.get());
    if (window != nullptr) state.release();
    return window;
}

bool WindowClass::Owns(HWND window) const {
    HWND root = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    return root != nullptr && GetClassLongPtrW(root, GCW_ATOM) == m_atom;
}

void WindowClass::SetBusy(HWND topLevel, bool busy) {
    WindowState* state = StateOf(topLevel);
    if (state == nullptr || state->busy == busy) return;
    state->busy = busy;
    // The cursor changes now, not at the next mouse move.
    POINT cursor;
    if (GetCursorPos(&cursor) && GetAncestor(WindowFromPoint(cursor), GA_ROOT) == topLevel) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(busy ? IDC_WAIT : IDC_ARROW)));
    }
}

void WindowClass::SetSeparator(HWND topLevel, PixelRect line) {
    WindowState* state = StateOf(topLevel);
    if (state == nullptr) return;
    state->hasSeparator = true;
    state->separator = {line.x, line.y, line.x + line.w, line.y + 2};
    InvalidateRect(topLevel, nullptr, TRUE);
}

void WindowClass::SetIcons(HWND topLevel, HICON big, HICON small) {
    if (big != nullptr) SendMessageW(topLevel, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (small != nullptr) {
        SendMessageW(topLevel, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
}

void WindowClass::ResizeClient(HWND topLevel, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(topLevel, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(topLevel, GWL_EXSTYLE)));
    SetWindowPos(topLevel, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowClass::Show(HWND topLevel, HWND over) {
    RECT window;
    GetWindowRect(topLevel, &window);
    RECT area;
    if (over != nullptr && IsWindowVisible(over)) {
        GetWindowRect(over, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(topLevel, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Mnemonics work at all times here, so their underlines and the focus
    // rectangle show from the start rather than after the first key.
    SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS),
                 0);
    ShowWindow(topLevel, SW_SHOW);
    SetForegroundWindow(topLevel);
}

void WindowClass::Destroy(HWND topLevel) {
    // Destroying a visible window hides it first, and Wine on an X server
    // without a window manager then waits two seconds for a manager's word
    // that the window was mapped, a word that never comes, before it lets go:
    // the user-interface thread would freeze after every dialog. A window no
    // longer marked visible goes at once; what it covered is then painted
    // anew, as a hidden window's place would be.
    RECT covered{};
    GetWindowRect(topLevel, &covered);
    SetWindowLongW(topLevel, GWL_STYLE, GetWindowLongW(topLevel, GWL_STYLE) & ~WS_VISIBLE);
    DestroyWindow(topLevel);
    RedrawWindow(nullptr, &covered, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace ui::win32
