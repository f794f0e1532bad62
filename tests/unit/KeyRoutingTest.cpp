#include <gtest/gtest.h>

#include <string>

#include "platform/ui/KeyRouting.h"

namespace {

using ui::CommandFor;
using ui::Key;
using ui::KeyCommand;
using ui::MnemonicCharacter;
using namespace ui::vk;

// Not one of the model's keys.
constexpr unsigned kF5 = 0x74;

struct Route {
    const char* what;
    unsigned key;
    bool shift;
    bool alt;
    bool inEdit;
    const char* expected;  // the model's input, or "" when the key is not the model's
};

// In the order of ui::Key.
const char* const kKeyNames[] = {"Tab",   "Enter", "Escape", "Space", "Left",
                                 "Right", "Up",    "Down",   "F1"};

std::string Describe(const std::optional<KeyCommand>& command) {
    if (!command) return "";
    std::string text;
    if (const Key* key = std::get_if<Key>(&command->input)) {
        text = kKeyNames[static_cast<int>(*key)];
    } else {
        text = std::string(1, std::get<char>(command->input));
    }
    if (command->modifiers.shift) text = "Shift+" + text;
    if (command->modifiers.alt) text = "Alt+" + text;
    return text;
}

const Route kRoutes[] = {
    {"Tab leaves an edit field", kTab, false, false, true, "Tab"},
    {"Shift+Tab goes back", kTab, true, false, false, "Shift+Tab"},
    {"Enter presses from an edit field", kReturn, false, false, true, "Enter"},
    {"Escape cancels from an edit field", kEscape, false, false, true, "Escape"},
    {"F1 asks for help anywhere", kF1, false, false, true, "F1"},
    {"Up moves in a group even from a field", kUp, false, false, true, "Up"},
    {"Down outside a field", kDown, false, false, false, "Down"},
    {"Left moves the cursor of a field", kLeft, false, false, true, ""},
    {"Left moves in a group", kLeft, false, false, false, "Left"},
    {"Right moves in a group", kRight, false, false, false, "Right"},
    {"Space types into a field", kSpace, false, false, true, ""},
    {"Space presses a button", kSpace, false, false, false, "Space"},
    {"Alt+Space is the system's", kSpace, false, true, false, ""},
    {"Alt+letter is a mnemonic, lower case", 'N', false, true, false, "Alt+n"},
    {"Alt+letter works from a field", 'B', true, true, true, "Alt+Shift+b"},
    {"Alt+digit is a mnemonic", '5', false, true, false, "Alt+5"},
    {"a plain letter comes back as a character", 'N', false, false, false, ""},
    {"Alt+F5 means nothing", kF5, false, true, false, ""},
};

TEST(KeyRoutingTest, KeysGoToTheModelOrStayWithTheControl) {
    for (const Route& r : kRoutes) {
        EXPECT_EQ(Describe(CommandFor({r.key, r.shift, r.alt, r.inEdit})), r.expected) << r.what;
    }
}

TEST(KeyRoutingTest, OnlyPrintableAsciiCharactersAreMnemonics) {
    EXPECT_EQ(MnemonicCharacter(L'n'), 'n');
    EXPECT_EQ(MnemonicCharacter(L'N'), 'N');
    EXPECT_EQ(MnemonicCharacter(L'~'), '~');
    EXPECT_EQ(MnemonicCharacter(L'\b'), std::nullopt);
    EXPECT_EQ(MnemonicCharacter(L'\u00e9'), std::nullopt);
    EXPECT_EQ(MnemonicCharacter(L'\x7f'), std::nullopt);
}

}  // namespace
