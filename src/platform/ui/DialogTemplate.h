// Dialog templates as data. A template is the single source of a dialog's
// layout: its identifier, caption, size in dialog units, font and style, and
// its controls in template order (which is also tab and drawing order).
// No code positions a control; the renderers read these tables.
#pragma once

#include <span>

#include "platform/Types.h"

namespace ui {

// Window and control styles, with the values the original templates use.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD ES_PASSWORD = 0x20;
constexpr DWORD ES_AUTOHSCROLL = 0x80;

// What a control is. "Auto" check boxes and radio buttons change their own
// check state when clicked; automatic radio buttons of one group exclude
// each other.
enum class ControlKind {
    Static,
    PushButton,
    AutoCheckBox,
    AutoRadioButton,
    ProgressBar,
    Picture,  // shows the bitmap resource named by ControlTemplate::imageId
    Edit,     // a one-line text field; ES_PASSWORD masks it
};

// True for the kinds a click presses: push buttons, check boxes, radio buttons.
inline bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::AutoCheckBox ||
           kind == ControlKind::AutoRadioButton;
}

// A rectangle in dialog units: position of the top-left corner and size.
struct DialogRect {
    int x;
    int y;
    int cx;
    int cy;

    bool operator==(const DialogRect&) const = default;
};

// No identifier: static texts and pictures that no code refers to.
constexpr int IDC_STATIC = -1;

struct ControlTemplate {
    int id;  // IDC_STATIC when no code refers to the control
    ControlKind kind;
    const char* text;  // initial text; '&' marks the mnemonic
    DialogRect rect;
    DWORD style;       // WS_TABSTOP, WS_GROUP, WS_BORDER, BS_DEFPUSHBUTTON, ...
    UINT imageId = 0;  // Picture only: the bitmap resource it shows
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    int cx;  // width in dialog units
    int cy;  // height in dialog units
    const char* fontFace;
    int pointSize;
    DWORD style;  // WS_CHILD | WS_DISABLED for pages, WS_POPUP | WS_CAPTION ... for dialogs
    std::span<const ControlTemplate> controls;
};

}  // namespace ui
