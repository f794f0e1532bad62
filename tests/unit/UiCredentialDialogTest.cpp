#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/ui/Afx.h"
#include "platform/ui/CredentialDialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::ControlOf;

constexpr UINT IDD_WAITING = 900;
constexpr ui::ControlTemplate kWaitingControls[] = {
    {IDCANCEL, ui::ControlKind::PushButton, "Cancel", {7, 7, 50, 14}, ui::WS_TABSTOP},
};
constexpr ui::DialogTemplate kWaiting{IDD_WAITING,  "Downloading",   100, 30, "MS Sans Serif", 8,
                                      ui::WS_POPUP, kWaitingControls};

// Runs `ask` on a worker thread while the UI thread sits in a modal dialog,
// as a download worker runs under the progress window.
class UiCredentialDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { ui::RegisterDialogTemplate(kWaiting); }

    void RunUnderModalDialog(std::function<void()> ask) {
        CDialog waiting(IDD_WAITING);
        std::atomic<bool> done{false};
        std::thread worker;
        Script().WhenOpened(IDD_WAITING, [&](ui::Window&) {
            worker = std::thread([&] {
                ask();
                done = true;
            });
        });
        Script().WhenTrue([&] { return done.load(); },
                          [&](ui::Window&) { waiting.EndDialog(IDOK); });
        EXPECT_EQ(waiting.DoModal(), IDOK);
        worker.join();
        EXPECT_EQ(Script().PendingActions(), 0u);
    }
    ui::HeadlessRenderer& Script() { return m_env.Renderer(); }
    testing_support::UiTestEnvironment m_env;
};

TEST_F(UiCredentialDialogTest, WorkerGetsTheValuesTypedOnTheUiThread) {
    Script().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window& dialog) {
        EXPECT_EQ(dialog.Text(), "Enter Network Password");
        const CString& prompt = ControlOf(dialog, ui::IDC_CREDENTIAL_PROMPT).Text();
        EXPECT_GE(prompt.Find("download.example"), 0);
        EXPECT_GE(prompt.Find("Staff only"), 0);
        ui::Window& user = ControlOf(dialog, ui::IDC_CREDENTIAL_USER);
        ui::Window& password = ControlOf(dialog, ui::IDC_CREDENTIAL_PASSWORD);
        EXPECT_EQ(user.Text(), "previous");  // the last name tried
        EXPECT_EQ(password.Text(), "");
        EXPECT_NE(password.Style() & ui::ES_PASSWORD, 0u);
        EXPECT_EQ(dialog.Focus(), &password);
        for (char ch : std::string("s3cret")) EXPECT_TRUE(ui::TypeCharacter(ch));
        EXPECT_TRUE(ui::EditText(user.Handle(), "ada"));
        EXPECT_TRUE(ui::PressKey(ui::Key::Enter));  // OK is the default button
    });
    bool accepted = false;
    ui::CredentialValues values{"previous", "old"};
    RunUnderModalDialog([&] {
        accepted = ui::AskForCredentials({"download.example", "Staff only"}, values);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(values.userName, "ada");
    EXPECT_EQ(values.password, "s3cret");
}

TEST_F(UiCredentialDialogTest, CancelAnswersNoAndKeepsTheValues) {
    Script().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window& dialog) {
        ui::EditText(ControlOf(dialog, ui::IDC_CREDENTIAL_USER).Handle(), "typed");
        EXPECT_TRUE(ui::PressKey(ui::Key::Escape));
    });
    bool accepted = true;
    ui::CredentialValues values{"kept", "kept too"};
    RunUnderModalDialog([&] { accepted = ui::AskForCredentials({"host", ""}, values); });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(values.userName, "kept");
    EXPECT_EQ(values.password, "kept too");
}

TEST_F(UiCredentialDialogTest, AnAbandonedQuestionReturnsAndClosesItsDialog) {
    std::atomic<bool> giveUp{false};
    Script().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window&) { giveUp = true; });
    bool accepted = true;
    ui::CredentialValues values;
    RunUnderModalDialog([&] {
        accepted = ui::AskForCredentials({"host", "realm"}, values, [&] { return giveUp.load(); });
    });
    EXPECT_FALSE(accepted);
    // The dialog was closed for the worker; nothing is left open or pending.
    ui::PumpMessages();
    EXPECT_EQ(ui::ActiveWindow(), nullptr);
    EXPECT_EQ(Script().PendingActions(), 0u);
}

TEST_F(UiCredentialDialogTest, OnTheUiThreadTheDialogIsShownDirectly) {
    Script().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window& dialog) {
        ui::EditText(ControlOf(dialog, ui::IDC_CREDENTIAL_USER).Handle(), "u");
        ui::EditText(ControlOf(dialog, ui::IDC_CREDENTIAL_PASSWORD).Handle(), "p");
        testing_support::Click(dialog, IDOK);
    });
    ui::CredentialValues values;
    EXPECT_TRUE(ui::AskForCredentials({"host", ""}, values));
    EXPECT_EQ(values.userName, "u");
    EXPECT_EQ(values.password, "p");
    EXPECT_EQ(ui::CredentialPromptText({"h", ""}).Find("Realm"), -1);
    // The server's words are shown as they are: too long for their line,
    // they end visibly short, never inside a character, and an '&' marks
    // no mnemonic.
    struct Case {
        std::string realm;
        const char* shownEnd;
    } const cases[] = {
        {std::string(100, 'W'), "WWW..."},
        {"\xC3\xA9" + std::string(120, 'e'), "eee..."},
        {std::string(26, 'x') + "\xC3\xA9\xC3\xA9\xC3\xA9", "xx..."},
        {"Sales & Support", "Sales && Support"},
    };
    for (const Case& c : cases) {
        std::string text = ui::CredentialPromptText({"h", c.realm}).str();
        std::string end = c.shownEnd;
        ASSERT_GE(text.size(), end.size()) << c.realm;
        EXPECT_EQ(text.substr(text.size() - end.size()), end) << c.realm;
        EXPECT_LE(text.size() - text.rfind("Realm:  ") - 8, 31u) << c.realm;
    }
}

// Typing at once after the dialog opens: the first time into the user
// name, then (with the name already given) into the empty password field,
// never into the name.
TEST_F(UiCredentialDialogTest, TypingAtOnceGoesToTheFieldThatNeedsIt) {
    struct Case {
        const char* name;
        ui::CredentialValues given;
        std::vector<std::string> typed;  // a Tab between two pieces
        ui::CredentialValues expected;
    } const cases[] = {
        {"first asking", {"", ""}, {"ada", "s3cret"}, {"ada", "s3cret"}},
        {"asked again", {"ada", "wrong"}, {"n3w"}, {"ada", "n3w"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Script().WhenOpened(ui::IDD_CREDENTIALS, [&](ui::Window& dialog) {
            ui::Window& user = ControlOf(dialog, ui::IDC_CREDENTIAL_USER);
            ui::Window& password = ControlOf(dialog, ui::IDC_CREDENTIAL_PASSWORD);
            EXPECT_EQ(user.Text(), c.given.userName.c_str());
            EXPECT_EQ(password.Text(), "");
            for (size_t i = 0; i < c.typed.size(); ++i) {
                if (i > 0) {
                    EXPECT_TRUE(ui::PressKey(ui::Key::Tab));
                }
                for (char ch : c.typed[i]) EXPECT_TRUE(ui::TypeCharacter(ch));
            }
            EXPECT_TRUE(ui::PressKey(ui::Key::Enter));
        });
        ui::CredentialValues values = c.given;
        EXPECT_TRUE(ui::AskForCredentials({"host", ""}, values));
        EXPECT_EQ(values.userName, c.expected.userName);
        EXPECT_EQ(values.password, c.expected.password);
    }
}

}  // namespace
