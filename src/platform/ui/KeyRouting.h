// Which keys are the model's, and what they mean to it, for every renderer.
// A renderer names a key going down by its Windows virtual-key code, the
// vocabulary of the window model (FLTK translates its own key codes into
// it); the rules here decide. Keys the model does not take stay with the
// focused control (an edit field's cursor keys and typing) or come back as
// typed characters (plain letters: mnemonics).
#pragma once

#include <optional>
#include <variant>

#include "platform/ui/Input.h"

namespace ui {

// The virtual-key codes of the keys the model knows; a letter's or a
// digit's code is its upper-case ASCII character.
namespace vk {
constexpr unsigned kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20, kLeft = 0x25,
                   kUp = 0x26, kRight = 0x27, kDown = 0x28, kF1 = 0x70;
}  // namespace vk

// A key going down, as the renderer saw it.
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

}  // namespace ui
