#include "platform/ui/fltk/KeyRouting.h"

#include <FL/Fl.H>

#include <optional>

#include "platform/ui/Input.h"
#include "platform/ui/KeyRouting.h"

namespace ui::fltk {

namespace {

struct KeyCode {
    int fltk;
    unsigned code;
};

// FLTK's codes of the keys the shared rules name.
constexpr KeyCode kNamedKeys[] = {
    {FL_Tab, vk::kTab},       {FL_Enter, vk::kReturn}, {FL_KP_Enter, vk::kReturn},
    {FL_Escape, vk::kEscape}, {FL_Left, vk::kLeft},    {FL_Right, vk::kRight},
    {FL_Up, vk::kUp},         {FL_Down, vk::kDown},    {FL_F + 1, vk::kF1},
    {' ', vk::kSpace},
};

}  // namespace

unsigned VirtualKeyOf(int key, bool command) {
    for (const KeyCode& named : kNamedKeys) {
        if (named.fltk == key) return named.code;
    }
    if (command) return 0;
    // FLTK names a letter key by its lower-case character.
    if (key >= 'a' && key <= 'z') return static_cast<unsigned>(key - 'a' + 'A');
    if (key >= '0' && key <= '9') return static_cast<unsigned>(key);
    return 0;
}

bool RouteKeyEvent() {
    bool shift = Fl::event_state(FL_SHIFT) != 0;
    bool alt = Fl::event_state(FL_ALT) != 0;
    bool command = Fl::event_state(FL_CTRL | FL_META) != 0;
    // An edit field keeps its own keys and passes on only the dialog's.
    KeyStroke stroke{VirtualKeyOf(Fl::event_key(), command), shift, alt, false};
    if (std::optional<KeyCommand> keyCommand = CommandFor(stroke)) {
        Deliver(*keyCommand);
        return true;
    }
    if (command || alt || Fl::event_length() != 1) return false;
    // A plain key types its character: a mnemonic, or text for a field.
    std::optional<char> typed = MnemonicCharacter(static_cast<unsigned char>(Fl::event_text()[0]));
    if (!typed) return false;
    TypeCharacter(*typed, {shift, false});
    return true;
}

}  // namespace ui::fltk
