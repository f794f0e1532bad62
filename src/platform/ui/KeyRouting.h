// Which keys of the Windows message loop are the model's, and what they
// mean to it; the same rules as the FLTK renderer's. Keys the model does
// not take stay with the focused control (an edit field's cursor keys and
// typing) or come back as typed characters (plain letters: mnemonics).
#pragma once

#include <optional>
#include <variant>

#include "platform/ui/Input.h"

namespace ui::win32 {

// A key going down, as the message loop saw it.
struct KeyStroke {
    unsigned virtualKey;  // a Windows virtual-key code
    bool shift;
    bool alt;
    bool inEdit;  // the keyboard focus is in an edit field
};

// A key for ui::PressKey, or an Alt+letter for ui::TypeCharacter.
struct KeyCommand {
    std::variant<Key, char> input;
    Modifiers modifiers;
};

// The model's command for `stroke`; nothing when the key is not the model's.
std::optional<KeyCommand> CommandFor(KeyStroke stroke);
// The character the model takes when `ch` is typed outside edit fields
// (printable ASCII: a mnemonic letter); nothing for the rest.
std::optional<char> MnemonicCharacter(wchar_t ch);
// Gives `command` to the model; true when it had an effect.
bool Deliver(const KeyCommand& command);

}  // namespace ui::win32
