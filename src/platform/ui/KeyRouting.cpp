#include "platform/ui/win32/KeyRouting.h"

namespace ui::win32 {

namespace {

// The Windows virtual-key codes of the keys the model knows.
constexpr unsigned kVkTab = 0x09;
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkSpace = 0x20;
constexpr unsigned kVkLeft = 0x25;
constexpr unsigned kVkUp = 0x26;
constexpr unsigned kVkRight = 0x27;
constexpr unsigned kVkDown = 0x28;
constexpr unsigned kVkF1 = 0x70;

// The key the model takes, in or out of an edit field; nothing otherwise.
std::optional<Key> NamedKey(const KeyStroke& stroke) {
    switch (stroke.virtualKey) {
        case kVkTab:
            return Key::Tab;
        case kVkReturn:
            return Key::Enter;
        case kVkEscape:
            return Key::Escape;
        case kVkUp:
            return Key::Up;
        case kVkDown:
            return Key::Down;
        case kVkF1:
            return Key::F1;
        default:
            break;
    }
    // An edit field keeps its cursor keys and its spaces.
    if (stroke.inEdit) return std::nullopt;
    switch (stroke.virtualKey) {
        case kVkLeft:
            return Key::Left;
        case kVkRight:
            return Key::Right;
        case kVkSpace:
            return stroke.alt ? std::nullopt : std::optional<Key>(Key::Space);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<KeyCommand> CommandFor(KeyStroke stroke) {
    Modifiers modifiers{stroke.shift, stroke.alt};
    if (std::optional<Key> key = NamedKey(stroke)) return KeyCommand{*key, modifiers};
    if (!stroke.alt) return std::nullopt;
    // With Alt held the key code names the letter, whatever the layout types.
    unsigned code = stroke.virtualKey;
    if (code >= 'A' && code <= 'Z') {
        return KeyCommand{static_cast<char>(code - 'A' + 'a'), modifiers};
    }
    if (code >= '0' && code <= '9') return KeyCommand{static_cast<char>(code), modifiers};
    return std::nullopt;
}

std::optional<char> MnemonicCharacter(wchar_t ch) {
    if (ch < 0x20 || ch > 0x7E) return std::nullopt;
    return static_cast<char>(ch);
}

bool Deliver(const KeyCommand& command) {
    if (const Key* key = std::get_if<Key>(&command.input)) {
        return PressKey(*key, command.modifiers);
    }
    return TypeCharacter(std::get<char>(command.input), command.modifiers);
}

}  // namespace ui::win32
