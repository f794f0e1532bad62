#include "platform/ui/KeyRouting.h"

namespace ui {

namespace {

// A key the model knows by its code, and whether an edit field keeps it
// for itself (its cursor keys and its spaces).
struct NamedKeyRule {
    unsigned code;
    Key key;
    bool editKeeps;
};

constexpr NamedKeyRule kNamedKeys[] = {
    {vk::kTab, Key::Tab, false},       {vk::kReturn, Key::Enter, false},
    {vk::kEscape, Key::Escape, false}, {vk::kUp, Key::Up, false},
    {vk::kDown, Key::Down, false},     {vk::kF1, Key::F1, false},
    {vk::kLeft, Key::Left, true},      {vk::kRight, Key::Right, true},
    {vk::kSpace, Key::Space, true},
};

// The key the model takes, in or out of an edit field; nothing otherwise.
std::optional<Key> NamedKey(const KeyStroke& stroke) {
    for (const NamedKeyRule& rule : kNamedKeys) {
        if (rule.code != stroke.virtualKey) continue;
        if (rule.editKeeps && stroke.inEdit) return std::nullopt;
        // Alt+Space opens the system menu.
        if (rule.key == Key::Space && stroke.alt) return std::nullopt;
        return rule.key;
    }
    return std::nullopt;
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

}  // namespace ui
