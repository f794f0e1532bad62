// The progress dialog on its own: what it shows when it opens, how
// notifications move it, and how it ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "download/DownloadProgressDlg.h"
#include "download/DownloadState.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "res/Resources.h"
#include "support/UiTestSupport.h"

namespace {

using testing_support::Click;
using testing_support::ControlOf;

const std::string kDownloading = res::LoadString(IDS_PROGRESS_DOWNLOADING).str();
const std::string kComplete = res::LoadString(IDS_PROGRESS_COMPLETE).str();

// What the user sees of the dialog.
struct Look {
    int pos;
    bool okEnabled;
    bool cancelEnabled;
    std::string status;

    bool operator==(const Look&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Look& look) {
    return out << "{pos " << look.pos << ", OK " << look.okEnabled << ", Cancel "
               << look.cancelEnabled << ", \"" << look.status << "\"}";
}

Look LookOf(ui::Window& dialog) {
    return {ControlOf(dialog, IDC_PROGRESS).ProgressPos(), ControlOf(dialog, IDOK).IsEnabled(),
            ControlOf(dialog, IDCANCEL).IsEnabled(),
            ControlOf(dialog, IDC_PROGRESS_TEXT).Text().str()};
}

// One notification from the poller, as it arrives: posted, then delivered.
void Notify(int percent) {
    SetProgress(percent);
    NotifyProgress();
    ui::PumpMessages();
}

class ProgressDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::RegisterDialogTemplates(res::DialogTemplates());
        SetProgress(0);
        SetCancelled(FALSE);
    }
    void TearDown() override {
        SetProgress(0);
        SetCancelled(FALSE);
    }

    // Runs the dialog; `answer` acts on it once it is open.
    int Run(std::function<void(ui::Window&)> answer) {
        return m_env.RunModal(m_dialog, std::move(answer));
    }

    testing_support::UiTestEnvironment m_env;
    CDownloadProgressDlg m_dialog;
};

TEST_F(ProgressDlgTest, OpensRunningWithOnlyCancelAndRegistersItsWindow) {
    int result = Run([this](ui::Window& dialog) {
        EXPECT_EQ(dialog.Text(), "Download Progress");
        EXPECT_EQ(g_hProgressWnd.load(), dialog.Handle());
        EXPECT_EQ(m_dialog.m_strStatus, kDownloading);
        EXPECT_EQ(LookOf(dialog), (Look{0, false, true, kDownloading}));
        ui::Window& bar = ControlOf(dialog, IDC_PROGRESS);
        EXPECT_EQ(bar.ProgressLow(), 0);
        EXPECT_EQ(bar.ProgressHigh(), 100);
        EXPECT_EQ(dialog.Focus(), &ControlOf(dialog, IDCANCEL));
        EXPECT_TRUE(Click(dialog, IDCANCEL));
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ProgressDlgTest, NotificationsMoveTheBarAndCompleteItExactlyAt100) {
    struct Step {
        int percent;
        Look expected;
    } const steps[] = {
        {0, {0, false, true, kDownloading}},   {57, {57, false, true, kDownloading}},
        {99, {99, false, true, kDownloading}}, {100, {100, true, false, kComplete}},
        {100, {100, true, false, kComplete}},  // a later 100 changes nothing
    };
    int result = Run([&](ui::Window& dialog) {
        for (const Step& step : steps) {
            Notify(step.percent);
            EXPECT_EQ(LookOf(dialog), step.expected) << "after reading " << step.percent;
        }
        EXPECT_EQ(m_dialog.m_strStatus, kComplete);
        // Complete: nothing can cancel now; Enter presses OK.
        EXPECT_EQ(dialog.Focus(), &ControlOf(dialog, IDOK));
        EXPECT_FALSE(ui::PressKey(ui::Key::Escape));
        EXPECT_FALSE(ui::CloseWindow(dialog.Handle()));
        EXPECT_FALSE(Click(dialog, IDCANCEL));
        EXPECT_TRUE(ui::PressKey(ui::Key::Enter));
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(ProgressDlgTest, WhileRunningOkCannotEndIt) {
    int result = Run([](ui::Window& dialog) {
        Notify(57);
        EXPECT_FALSE(Click(dialog, IDOK));
        EXPECT_TRUE(ui::CloseWindow(dialog.Handle()));
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ProgressDlgTest, EveryWayOfCancellingWhileRunningEndsWithIdCancel) {
    const std::vector<std::function<bool(ui::Window&)>> ways = {
        [](ui::Window& dialog) { return Click(dialog, IDCANCEL); },
        [](ui::Window&) { return ui::PressKey(ui::Key::Escape); },
        [](ui::Window& dialog) { return ui::CloseWindow(dialog.Handle()); },
        [](ui::Window&) { return ui::TypeCharacter('c', {.alt = true}); },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        SCOPED_TRACE(i);
        CDownloadProgressDlg dialog;
        int result = m_env.RunModal(dialog, [&](ui::Window& window) {
            Notify(30);
            EXPECT_TRUE(ways[i](window));
        });
        EXPECT_EQ(result, IDCANCEL);
    }
}

// The poller's first notifications can go out before the window exists; the
// dialog reads the percentage itself when it opens.
TEST_F(ProgressDlgTest, ReadsThePercentageWhenItOpens) {
    struct Case {
        int percent;
        Look expected;
    } const cases[] = {
        {42, {42, false, true, kDownloading}},
        {100, {100, true, false, kComplete}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        SetProgress(c.percent);
        CDownloadProgressDlg dialog;
        int result = m_env.RunModal(dialog, [&](ui::Window& window) {
            EXPECT_EQ(LookOf(window), c.expected);
            ui::PressKey(c.percent == 100 ? ui::Key::Enter : ui::Key::Escape);
        });
        EXPECT_EQ(result, c.percent == 100 ? IDOK : IDCANCEL);
    }
}

TEST_F(ProgressDlgTest, NotificationsAfterTheDialogClosedGoNowhere) {
    Run([](ui::Window& dialog) { Click(dialog, IDCANCEL); });
    HWND closed = g_hProgressWnd.load();
    ASSERT_NE(closed, nullptr);  // never cleared...
    EXPECT_FALSE(IsWindow(closed));
    Notify(100);  // ...so this is dropped, not delivered to a dead dialog
    EXPECT_EQ(g_hProgressWnd.load(), closed);
}

// The page sets the cancel flag only once the dialog has closed, so a flag
// seen while it is open means the download failed: the dialog ends itself,
// whatever it showed, on the poller's next notification or as it opens.
TEST_F(ProgressDlgTest, AFailedDownloadEndsTheDialogByItself) {
    for (int percent : {0, 57, 100}) {
        SCOPED_TRACE(percent);
        SetCancelled(FALSE);
        CDownloadProgressDlg dialog;
        int result = m_env.RunModal(dialog, [&](ui::Window&) {
            Notify(percent);
            SetCancelled(TRUE);
            NotifyProgress();
        });
        EXPECT_EQ(result, CDownloadProgressDlg::kDownloadFailed);
    }
    CDownloadProgressDlg late;
    EXPECT_EQ(late.DoModal(), CDownloadProgressDlg::kDownloadFailed);
}

}  // namespace
