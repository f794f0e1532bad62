#include "platform/ui/win32/MessagePump.h"

#include "platform/ui/win32/Controls.h"
#include "platform/ui/win32/NativeEvents.h"
#include "platform/ui/win32/WindowClass.h"
#include "platform/ui/win32/WindowsApi.h"

namespace ui::win32 {

namespace {

constexpr wchar_t kWakeClassName[] = L"VessamoWake";
constexpr UINT kWakeMessage = WM_APP + 1;

// The wake window's procedure: a wake clears the pending flag whichever
// loop delivers it (a move or size loop of the system's included).
LRESULT CALLBACK WakeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWakeMessage) {
        auto* pending =
            reinterpret_cast<std::atomic<bool>*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (pending != nullptr) pending->store(false);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool IsKeyDown(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

}  // namespace

MessagePump::MessagePump(const WindowClass& windows, NativeEvents& events)
    : m_windows(windows), m_events(events) {
    WNDCLASSEXW wakeClass{};
    wakeClass.cbSize = sizeof(wakeClass);
    wakeClass.lpfnWndProc = WakeProcedure;
    wakeClass.hInstance = GetModuleHandleW(nullptr);
    wakeClass.lpszClassName = kWakeClassName;
    if (RegisterClassExW(&wakeClass) == 0) return;
    m_wakeWindow = CreateWindowExW(0, kWakeClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (m_wakeWindow != nullptr) {
        SetWindowLongPtrW(m_wakeWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_wakePending));
    }
}

MessagePump::~MessagePump() {
    if (m_wakeWindow != nullptr) DestroyWindow(m_wakeWindow);
    UnregisterClassW(kWakeClassName, GetModuleHandleW(nullptr));
}

void MessagePump::Poll() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (TakeKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void MessagePump::Wait() {
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    Poll();
}

void MessagePump::Wake() {
    if (m_wakePending.exchange(true)) return;
    if (!PostMessageW(m_wakeWindow, kWakeMessage, 0, 0)) m_wakePending.store(false);
}

bool MessagePump::TakeKey(const MSG& message) {
    UINT kind = message.message;
    bool keyMessage = kind == WM_KEYDOWN || kind == WM_SYSKEYDOWN || kind == WM_KEYUP ||
                      kind == WM_SYSKEYUP || kind == WM_CHAR || kind == WM_SYSCHAR;
    if (!keyMessage || !m_windows.Owns(message.hwnd)) return false;
    unsigned key = static_cast<unsigned>(message.wParam) & 0xFF;
    bool inEdit = IsEditField(GetFocus());
    // With no window focused, Windows reports every key as a system key:
    // only the context bit tells that Alt is down.
    bool alt = (message.lParam & (1 << 29)) != 0;
    bool menuKey = alt || key == VK_F10 || key == VK_MENU;
    if (IsKeyDown(kind)) {
        // Alt+F4 goes on to the system, which closes through WM_CLOSE.
        if (alt && key == VK_F4) return false;
        bool shift = GetKeyState(VK_SHIFT) < 0;
        bool taken = m_events.KeyDown(key, shift, alt, inEdit);
        m_takenKeys.set(key, taken);
        // Alt, F10 and Alt+key never open the system menu.
        return taken || menuKey;
    }
    if (kind == WM_KEYUP || kind == WM_SYSKEYUP) {
        bool taken = m_takenKeys.test(key);
        m_takenKeys.reset(key);
        return taken || menuKey;
    }
    if (kind == WM_SYSCHAR && alt) return true;
    if (inEdit) return false;
    m_events.Character(static_cast<wchar_t>(message.wParam));
    return true;
}

}  // namespace ui::win32
