#include "platform/ui/fltk/KeyRouting.h"

#include <FL/Fl.H>

#include "platform/ui/Input.h"

namespace ui::fltk {

namespace {

bool IsAsciiAlnum(int key) {
    return (key >= 'a' && key <= 'z') || (key >= '0' && key <= '9');
}

}  // namespace

bool RouteKeyEvent() {
    int key = Fl::event_key();
    Modifiers modifiers;
    modifiers.shift = Fl::event_state(FL_SHIFT) != 0;
    modifiers.alt = Fl::event_state(FL_ALT) != 0;
    switch (key) {
        case FL_Tab:
            PressKey(Key::Tab, modifiers);
            return true;
        case FL_Enter:
        case FL_KP_Enter:
            PressKey(Key::Enter, modifiers);
            return true;
        case FL_Escape:
            PressKey(Key::Escape, modifiers);
            return true;
        case FL_Left:
            PressKey(Key::Left, modifiers);
            return true;
        case FL_Right:
            PressKey(Key::Right, modifiers);
            return true;
        case FL_Up:
            PressKey(Key::Up, modifiers);
            return true;
        case FL_Down:
            PressKey(Key::Down, modifiers);
            return true;
        case FL_F + 1:
            PressKey(Key::F1, modifiers);
            return true;
        case ' ':
            if (modifiers.alt) return false;
            PressKey(Key::Space, modifiers);
            return true;
        default:
            break;
    }
    if (Fl::event_state(FL_CTRL | FL_META) != 0) return false;
    // With Alt held the text may be empty or changed by the keyboard map;
    // the key itself names the letter.
    if (modifiers.alt) {
        if (!IsAsciiAlnum(key)) return false;
        TypeCharacter(static_cast<char>(key), modifiers);
        return true;
    }
    const char* text = Fl::event_text();
    if (Fl::event_length() != 1 || static_cast<unsigned char>(text[0]) < 0x20) return false;
    TypeCharacter(text[0], modifiers);
    return true;
}

}  // namespace ui::fltk
