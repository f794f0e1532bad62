// A stand-in for the real K7 Vessamo installer on Windows, served by the
// demo's download host and the Windows tests under both package names. Like
// the Linux one it records that it ran (SetupRecord.h) and shows a window
// titled "K7 Vessamo Setup" until it is closed, here from a copy of itself
// (SetupCopy.h) so that the wizard can delete the package meanwhile. It
// installs nothing.
#include <windows.h>

#include <cstring>

#include "SetupCopy.h"
#include "SetupRecord.h"

namespace {

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 150;
constexpr wchar_t kClassName[] = L"VessamoDemoSetup";

void AddControls(HWND window) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND text = CreateWindowExW(0, L"STATIC",
                                L"This is the demonstration installer of K7 Vessamo.\n"
                                L"The download wizard started it. Nothing is installed.",
                                WS_CHILD | WS_VISIBLE | SS_LEFT, 20, 20, 320, 70, window, nullptr,
                                instance, nullptr);
    HWND close = CreateWindowExW(0, L"BUTTON", L"Close",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 260, 106,
                                 80, 26, window, reinterpret_cast<HMENU>(IDOK), instance, nullptr);
    SendMessageW(text, WM_SETFONT, font, TRUE);
    SendMessageW(close, WM_SETFONT, font, TRUE);
    SetFocus(close);
}

LRESULT CALLBACK SetupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            AddControls(window);
            return 0;
        case WM_COMMAND:
            // The Close button, Enter (IDOK) and Escape (IDCANCEL) all close it.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND CreateSetupWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &SetupWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0) return nullptr;
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    return CreateWindowExW(0, kClassName, L"K7 Vessamo Setup", style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           instance, nullptr);
}

int ShowSetupWindow() {
    HWND window = CreateSetupWindow(GetModuleHandleW(nullptr));
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Enter and Escape as in a dialog.
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], demo::SetupCopy::kShowArgument) == 0) {
        return ShowSetupWindow();
    }
    // Started as the package: hand the window to a copy, or show it here
    // when no copy can be started.
    const unsigned long copy = demo::SetupCopy::Start();
    demo::SetupRecord::RecordStart(copy != 0 ? copy : GetCurrentProcessId());
    return copy != 0 ? 0 : ShowSetupWindow();
}
