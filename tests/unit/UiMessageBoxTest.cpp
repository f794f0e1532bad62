#include <gtest/gtest.h>

#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::ControlOf;

class UiMessageBoxTest : public ::testing::Test {
  protected:
    ui::HeadlessRenderer& Script() { return m_env.Renderer(); }
    testing_support::UiTestEnvironment m_env;
};

// However the box is closed, it answers OK: it offers nothing else.
TEST_F(UiMessageBoxTest, ShowsTheTextAndEndsWithOkHoweverItIsClosed) {
    struct Case {
        const char* how;
        std::function<void(ui::Window&)> close;
    } const cases[] = {
        {"Enter", [](ui::Window&) { EXPECT_TRUE(ui::PressKey(ui::Key::Enter)); }},
        {"Escape", [](ui::Window&) { EXPECT_TRUE(ui::PressKey(ui::Key::Escape)); }},
        {"close box", [](ui::Window& box) { EXPECT_TRUE(ui::CloseWindow(box.Handle())); }},
        {"OK", [](ui::Window& box) { EXPECT_TRUE(testing_support::Click(box, IDOK)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Script().WhenOpened(ui::IDD_MESSAGE_BOX, [&](ui::Window& box) {
            EXPECT_EQ(box.Text(), "Caption");
            EXPECT_EQ(ControlOf(box, ui::IDC_MESSAGE_BOX_TEXT).Text(), "Something went wrong.");
            ui::Window& ok = ControlOf(box, IDOK);
            EXPECT_EQ(box.Focus(), &ok);
            EXPECT_TRUE(ok.IsDefaultButton());
            c.close(box);
        });
        EXPECT_EQ(ui::ShowMessageBox("Something went wrong.", "Caption", MB_OK | MB_ICONSTOP),
                  IDOK);
        EXPECT_EQ(Script().PendingActions(), 0u);
    }
}

// The box grows with its text: wider up to a limit, then taller, with the
// OK button below the text and everything inside the box.
TEST_F(UiMessageBoxTest, IsSizedForItsText) {
    struct Size {
        ui::DialogRect box;
        ui::DialogRect text;
        ui::DialogRect ok;
    };
    auto measure = [&](const std::string& text) {
        Size size{};
        Script().WhenOpened(ui::IDD_MESSAGE_BOX, [&](ui::Window& box) {
            size = {box.Rect(), ControlOf(box, ui::IDC_MESSAGE_BOX_TEXT).Rect(),
                    ControlOf(box, IDOK).Rect()};
            EXPECT_TRUE(ui::PressKey(ui::Key::Enter));
        });
        ui::ShowMessageBox(text.c_str(), "Caption");
        return size;
    };
    std::string sentence = "The installer could not be started: the file is in use. ";
    Size one = measure("Short.");
    Size wide = measure(sentence + sentence);
    Size tall = measure(sentence + sentence + sentence + sentence + sentence + sentence);
    Size lines = measure("One.\nTwo.\r\nThree.");
    for (const Size& s : {one, wide, tall, lines}) {
        EXPECT_GE(s.text.x, 0);
        EXPECT_LE(s.text.x + s.text.cx, s.box.cx);
        EXPECT_GE(s.ok.y, s.text.y + s.text.cy);
        EXPECT_LE(s.ok.y + s.ok.cy, s.box.cy);
        EXPECT_LE(s.ok.x + s.ok.cx, s.box.cx);
    }
    EXPECT_GT(wide.box.cx, one.box.cx);
    EXPECT_LT(tall.box.cx, 2 * one.box.cx);  // wrapped, not one line of some 1000 units
    EXPECT_GT(tall.text.cy, wide.text.cy);
    EXPECT_EQ(lines.text.cy, 3 * one.text.cy);
}

}  // namespace
