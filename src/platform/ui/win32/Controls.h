// The native controls and the calls that mirror the model's state onto any
// native window. Check boxes and radio buttons are made without the
// "automatic" styles: the model decides their state and the renderer
// mirrors it, so a click never changes a control on its own.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/win32/DialogUnits.h"

using HFONT = struct HFONT__*;
using HBITMAP = struct HBITMAP__*;

namespace ui::win32 {

// Loads the common controls the renderer uses (the progress bar); false
// when they are missing. Once, before the first control is made.
bool InitialiseControls();

// What a native control is made from: the model control's state in pixels.
struct ControlPlan {
    ControlKind kind;
    DWORD style;  // the template's: WS_BORDER, ES_PASSWORD, ...
    std::string_view text;
    PixelRect rect;
    bool visible;
    bool enabled;
};

// The control `plan` describes, inside `parent`; nullptr when Windows refuses it.
HWND CreateControl(HWND parent, const ControlPlan& plan);

// The window's text (a top-level window's title), from UTF-8; nothing
// happens when it already shows `text`.
void SetText(HWND window, std::string_view text);
// The window's text as UTF-8.
std::string TextOf(HWND window);
void SetEnabled(HWND window, bool enabled);
void SetVisible(HWND window, bool visible);
void Move(HWND window, PixelRect rect);
void SetFont(HWND window, HFONT font);
void SetCheck(HWND button, UINT check);
void SetProgress(HWND bar, int low, int high, int pos);
// A push button wears the dark default frame, or not.
void SetDefaultFrame(HWND button, bool framed);
void SetPicture(HWND picture, HBITMAP bitmap);
// Paints the window again.
void Redraw(HWND window);
// True when `window` is the active top-level window of this thread.
bool IsActive(HWND window);
// Activates `window` and brings it to the front.
void Activate(HWND window);
// Gives `window` the keyboard focus; an edit field shows its text selected.
// False when the window cannot take it (it is disabled or hidden).
bool Focus(HWND window);
bool IsEditField(HWND window);

}  // namespace ui::win32
