// FLTK's key codes in the virtual-key codes that the shared key rules take
// (KeyRoutingTest covers the rules themselves).
#include <FL/Enumerations.H>
#include <gtest/gtest.h>

#include "platform/ui/KeyRouting.h"
#include "platform/ui/fltk/KeyRouting.h"

namespace {

using namespace ui::vk;

struct Translation {
    const char* what;
    int key;       // Fl::event_key()
    bool command;  // Ctrl or Meta held
    unsigned expected;
};

const Translation kTranslations[] = {
    {"Tab", FL_Tab, false, kTab},
    {"Ctrl+Tab is still Tab", FL_Tab, true, kTab},
    {"Enter", FL_Enter, false, kReturn},
    {"the keypad's Enter is Enter too", FL_KP_Enter, false, kReturn},
    {"Escape", FL_Escape, false, kEscape},
    {"Space", ' ', false, kSpace},
    {"Left", FL_Left, false, kLeft},
    {"Right", FL_Right, false, kRight},
    {"Up", FL_Up, false, kUp},
    {"Down", FL_Down, false, kDown},
    {"F1", FL_F + 1, false, kF1},
    {"F5 names nothing", FL_F + 5, false, 0},
    {"a letter is its upper-case code", 'n', false, 'N'},
    {"a digit is its own code", '7', false, '7'},
    {"Ctrl+letter names nothing", 'n', true, 0},
    {"punctuation that shares a named key's code names nothing", '(', false, 0},
};

TEST(FltkKeyRoutingTest, KeysTranslateToTheSharedRulesCodes) {
    for (const Translation& t : kTranslations) {
        EXPECT_EQ(ui::fltk::VirtualKeyOf(t.key, t.command), t.expected) << t.what;
    }
}

}  // namespace
