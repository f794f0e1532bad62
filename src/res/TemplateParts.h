// The pieces that every wizard page template shares, and the usual kinds of
// controls with the styles they carry in a template.
#pragma once

#include <span>

#include "platform/ui/DialogTemplate.h"
#include "res/resource.h"

namespace res::parts {

// Pages are child windows, created disabled; the sheet enables the one it shows.
constexpr DWORD kPageStyle = ui::WS_CHILD | ui::WS_DISABLED;
constexpr DWORD kPopupDialogStyle =
    ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::DS_MODALFRAME;
constexpr const char* kPageCaption = "K7 Vessamo Download Wizard";
constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kPointSize = 8;
constexpr int kPageHeight = 181;

// A static text starts a group, so the control after it begins a new one.
constexpr DWORD kStaticStyle = ui::WS_GROUP;
constexpr DWORD kPushButtonStyle = ui::WS_TABSTOP;
constexpr DWORD kCheckBoxStyle = ui::WS_TABSTOP;
// Radio buttons of a group are reached with the arrow keys, not with Tab.
constexpr DWORD kRadioButtonStyle = 0;

// The side bitmap at the left of every page: 53 x 172 units, its 80 x 280 pixels.
constexpr ui::ControlTemplate kSidePicture{
    ui::IDC_STATIC, ui::ControlKind::Picture, "", {7, 7, 53, 172}, 0, IDB_WIZARD};

// A static text; `id` only where code refers to it.
constexpr ui::ControlTemplate Text(const char* text, ui::DialogRect rect, int id = ui::IDC_STATIC) {
    return {id, ui::ControlKind::Static, text, rect, kStaticStyle};
}
// A push button, reached with Tab.
constexpr ui::ControlTemplate PushButton(int id, const char* text, ui::DialogRect rect) {
    return {id, ui::ControlKind::PushButton, text, rect, kPushButtonStyle};
}
// An automatic check box, reached with Tab.
constexpr ui::ControlTemplate CheckBox(int id, const char* text, ui::DialogRect rect) {
    return {id, ui::ControlKind::AutoCheckBox, text, rect, kCheckBoxStyle};
}
// An automatic radio button of the group before it.
constexpr ui::ControlTemplate RadioButton(int id, const char* text, ui::DialogRect rect) {
    return {id, ui::ControlKind::AutoRadioButton, text, rect, kRadioButtonStyle};
}

// A wizard page `cx` units wide, with the pages' caption, font and style.
constexpr ui::DialogTemplate Page(UINT id, int cx, std::span<const ui::ControlTemplate> controls,
                                  int cy = kPageHeight) {
    return {id, kPageCaption, cx, cy, kFontFace, kPointSize, kPageStyle, controls};
}

}  // namespace res::parts
