// Message numbers, notification codes, command identifiers and flags of the
// window model, with the values the wizard's code was written against.
#pragma once

#include "platform/Types.h"
#include "platform/ui/MessageQueue.h"

constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_APP = 0x8000;

// Buttons: check state and the click notification.
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;
constexpr UINT BN_CLICKED = 0;
// Edit fields: the text was changed by the user.
constexpr UINT EN_CHANGE = 0x0300;

// Progress bars.
constexpr UINT PBM_SETRANGE = WM_USER + 1;  // lParam: MAKELPARAM(low, high)
constexpr UINT PBM_SETPOS = WM_USER + 2;    // wParam: position; returns the previous one
constexpr UINT PBM_GETPOS = WM_USER + 8;

// Property sheets in wizard mode.
constexpr UINT PSM_SETWIZBUTTONS = WM_USER + 112;  // lParam: PSWIZB_* flags
constexpr DWORD PSWIZB_BACK = 0x1;
constexpr DWORD PSWIZB_NEXT = 0x2;
constexpr DWORD PSWIZB_FINISH = 0x4;
constexpr DWORD PSWIZB_DISABLEDFINISH = 0x8;
constexpr DWORD PSH_WIZARD = 0x20;
constexpr DWORD PSH_HASHELP = 0x200;
constexpr DWORD PSP_HASHELP = 0x20;

// Command identifiers of the standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int ID_HELP = 0xE146;
constexpr int ID_WIZBACK = 0x3023;
constexpr int ID_WIZNEXT = 0x3024;
constexpr int ID_WIZFINISH = 0x3025;

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
    return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr unsigned LOWORD(std::uintptr_t value) {
    return value & 0xFFFF;
}
constexpr unsigned HIWORD(std::uintptr_t value) {
    return (value >> 16) & 0xFFFF;
}
