#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "package/OSType.h"
#include "pages/WizIntro.h"
#include "pages/WizOutro.h"
#include "platform/os/ShellOpen.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalLoop.h"
#include "support/PageTestSupport.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using testing_support::FsPath;
using testing_support::PressWizardButton;
using testing_support::WizardButtons;

// The welcome page followed by the completion page: enough to arrive at
// the completion page, leave it with Back and come again.
class PageOutroTest : public testing_support::PageTest {
  protected:
    void Open() {
        sheet.AddPage(&intro);
        sheet.AddPage(&outro);
        sheet.SetWizardMode();
        ASSERT_TRUE(sheet.Create());
        ui::PumpMessages();
    }
    void TearDown() override {
        sheet.DestroyWindow();
        PageTest::TearDown();
    }
    void Press(int id) { ASSERT_TRUE(PressWizardButton(sheet, id)); }
    // The next message box: its text goes to `text`, then OK is pressed.
    void AnswerMessageBox(std::string& text) {
        env.Renderer().WhenOpened(ui::IDD_MESSAGE_BOX, [&text](ui::Window& box) {
            EXPECT_EQ(box.Text(), "K7 Vessamo Download Wizard");
            text = testing_support::ControlOf(box, ui::IDC_MESSAGE_BOX_TEXT).Text().str();
            EXPECT_TRUE(testing_support::Click(box, IDOK));
        });
    }
    int MessageBoxesShown() {
        int shown = 0;
        for (UINT id : env.Renderer().OpenedHistory()) shown += id == ui::IDD_MESSAGE_BOX;
        return shown;
    }

    CWizIntro intro;
    CWizOutro outro;
    CPropertySheet sheet{"Wizard"};
};

TEST_F(PageOutroTest, EveryVisitStartsThePackageOfTheSelectedFamilyFromTheExecutablesDirectory) {
    struct Case {
        int osType;
        const char* package;
    } const cases[] = {{OSTYPE_WINNT, "vessamo-nten.exe"}, {OSTYPE_WIN9X, "vessamo-w9xen.exe"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.package);
        testing_support::ShellOpenRecorder recorder;
        dir.Write(c.package, "MZ installer");
        SetOSType(c.osType);
        CWizIntro introPage;
        CWizOutro outroPage;
        CPropertySheet wizard("Wizard");
        wizard.AddPage(&introPage);
        wizard.AddPage(&outroPage);
        wizard.SetWizardMode();
        ASSERT_TRUE(wizard.Create());
        ui::PumpMessages();
        EXPECT_TRUE(recorder.Calls().empty());

        ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));
        EXPECT_EQ(WizardButtons(wizard), "Back Finish");
        ASSERT_TRUE(PressWizardButton(wizard, ID_WIZBACK));
        ASSERT_TRUE(PressWizardButton(wizard, ID_WIZNEXT));

        auto calls = recorder.Calls();
        ASSERT_EQ(calls.size(), 2u);
        for (const os::ShellOpenCall& call : calls) {
            EXPECT_EQ(call.verb, "open");
            EXPECT_EQ(call.file, c.package);  // the bare name, not the path
            EXPECT_EQ(call.parameters, "");
            EXPECT_EQ(call.directory, ModuleDirectory());
            EXPECT_EQ(call.show, SW_HIDE);
        }
        EXPECT_TRUE(dir.Exists(c.package));  // showing the page deletes nothing
        wizard.DestroyWindow();
    }
}

TEST_F(PageOutroTest, WithoutThePackageNothingIsStartedAndFinishDeletesNothing) {
    dir.Write("vessamo-w9xen.exe", "MZ the other family");
    dir.Write("index.html", "the user's");
    Open();
    std::string told;
    AnswerMessageBox(told);
    Press(ID_WIZNEXT);
    EXPECT_EQ(told, "The installer could not be started: the file is missing.");
    ASSERT_EQ(sheet.GetActivePage(), &outro);
    EXPECT_EQ(WizardButtons(sheet), "Back Finish");
    Press(ID_WIZFINISH);
    EXPECT_EQ(sheet.GetResult(), ID_WIZFINISH);
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_EQ(dir.Read("vessamo-w9xen.exe"), "MZ the other family");
    EXPECT_EQ(dir.Read("index.html"), "the user's");
}

// A link under the package's name is no package: nothing is started, and
// the user hears why.
TEST_F(PageOutroTest, ALinkUnderThePackagesNameIsToldAsNoPlainFile) {
    dir.Write("elsewhere", "not ours");
    std::error_code error;
    std::filesystem::create_symlink(FsPath(dir.File("elsewhere")),
                                    FsPath(dir.File("vessamo-nten.exe")), error);
    // Wine makes no symbolic links; Windows only with the right privilege.
    if (error) GTEST_SKIP() << "no symbolic link here: " << error.message();
    Open();
    std::string told;
    AnswerMessageBox(told);
    Press(ID_WIZNEXT);
    EXPECT_EQ(told,
              "The installer could not be started: it is not a plain file of its own (a link or "
              "a folder, say).");
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_EQ(dir.Read("elsewhere"), "not ours");
}

TEST_F(PageOutroTest, FinishDeletesThePackageOfTheSelectedFamilyOnly) {
    dir.Write("vessamo-nten.exe", "MZ nt");
    dir.Write("vessamo-w9xen.exe", "MZ 9x");
    Open();
    Press(ID_WIZNEXT);
    Press(ID_WIZFINISH);
    EXPECT_EQ(sheet.GetResult(), ID_WIZFINISH);
    EXPECT_FALSE(dir.Exists("vessamo-nten.exe"));
    EXPECT_TRUE(dir.Exists("vessamo-w9xen.exe"));
}

TEST_F(PageOutroTest, APackageThatVanishedWhileThePageWasShownIsNeitherStartedNorMissed) {
    dir.Write("vessamo-nten.exe", "MZ nt");
    Open();
    Press(ID_WIZNEXT);
    ASSERT_EQ(shell.Calls().size(), 1u);
    std::remove(dir.File("vessamo-nten.exe").c_str());
    Press(ID_WIZBACK);
    std::string told;
    AnswerMessageBox(told);
    Press(ID_WIZNEXT);
    EXPECT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(told, "The installer could not be started: the file is missing.");
    Press(ID_WIZFINISH);
    EXPECT_EQ(sheet.GetResult(), ID_WIZFINISH);
}

TEST_F(PageOutroTest, WelcomePageOffersNextOnlyOnEveryVisit) {
    dir.Write("vessamo-nten.exe", "MZ nt");
    Open();
    EXPECT_EQ(sheet.GetActivePage(), &intro);
    EXPECT_EQ(WizardButtons(sheet), "Next");
    Press(ID_WIZNEXT);
    EXPECT_EQ(WizardButtons(sheet), "Back Finish");
    Press(ID_WIZBACK);
    EXPECT_EQ(sheet.GetActivePage(), &intro);
    EXPECT_EQ(WizardButtons(sheet), "Next");
}

TEST_F(PageOutroTest, AStartThatFailsIsToldWithItsReasonAndAStartThatWorksIsNot) {
    struct Case {
        std::intptr_t result;
        std::string told;  // "" for no message box
    } const cases[] = {
        {os::kShellOpenStarted, ""},
        {os::SE_ERR_FNF, "The installer could not be started: the file is missing."},
        {os::SE_ERR_SHARE,
         "The installer could not be started: the file is in use by another program."},
        // What each platform adds here (the opener it lacks) is the shell's own.
        {os::SE_ERR_NOASSOC, "The installer could not be started: " +
                                 os::ShellOpenFailureReason(os::SE_ERR_NOASSOC) + "."},
    };
    dir.Write("vessamo-nten.exe", "MZ nt");
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        testing_support::HandleShellOpens([&](const os::ShellOpenCall&) { return c.result; });
        int before = MessageBoxesShown();
        std::string told;
        if (!c.told.empty()) AnswerMessageBox(told);
        Press(ID_WIZNEXT);
        EXPECT_EQ(sheet.GetActivePage(), &outro);
        EXPECT_EQ(told, c.told);
        EXPECT_EQ(MessageBoxesShown() - before, c.told.empty() ? 0 : 1);
        EXPECT_EQ(WizardButtons(sheet), "Back Finish");
        EXPECT_EQ(env.Renderer().PendingActions(), 0u);
        Press(ID_WIZBACK);
    }
    testing_support::HandleShellOpens({});
    EXPECT_EQ(dir.Read("vessamo-nten.exe"), "MZ nt");
}

}  // namespace
