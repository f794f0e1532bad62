#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "res/Resources.h"
#include "res/resource.h"

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;

const DialogTemplate& Template(UINT id) {
    const DialogTemplate* dialog = res::FindDialogTemplate(id);
    if (dialog == nullptr) throw std::runtime_error("no template " + std::to_string(id));
    return *dialog;
}

// The control with identifier `id`; fails the test when there is not exactly
// one, and throws when there is none.
const ControlTemplate& ControlById(const DialogTemplate& dialog, int id) {
    const ControlTemplate* found = nullptr;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id != id) continue;
        EXPECT_EQ(found, nullptr) << "identifier " << id << " twice in " << dialog.id;
        found = &control;
    }
    if (found == nullptr) {
        throw std::runtime_error("no control " + std::to_string(id) + " in " +
                                 std::to_string(dialog.id));
    }
    return *found;
}

// The control whose top-left corner is (x, y), found by position as a user
// would see it.
std::string TextAt(const DialogTemplate& dialog, int x, int y) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.rect.x == x && control.rect.y == y) return control.text;
    }
    return "<no control at " + std::to_string(x) + "," + std::to_string(y) + ">";
}

std::vector<int> Ids(const DialogTemplate& dialog) {
    std::vector<int> ids;
    for (const ControlTemplate& control : dialog.controls) ids.push_back(control.id);
    return ids;
}

struct PageShape {
    UINT id;
    int cx;
    int cy;
};
constexpr PageShape kPages[] = {
    {IDD_WIZ_INTRO, 247, 181},           {IDD_WIZ_OS, 268, 181},
    {IDD_WIZ_DOWNLOAD, 300, 181},        {IDD_WIZ_OUTRO, 267, 180},
    {IDD_WIZ_MANUAL_DOWNLOAD, 300, 181},
};

TEST(ResDialogTemplatesTest, TableHoldsEachTemplateOnceAndFindsItById) {
    const std::set<UINT> expected{IDD_WIZ_INTRO,         IDD_WIZ_OS,
                                  IDD_WIZ_DOWNLOAD,      IDD_WIZ_OUTRO,
                                  IDD_DOWNLOAD_PROGRESS, IDD_WIZ_MANUAL_DOWNLOAD};
    std::multiset<UINT> seen;
    for (const DialogTemplate& dialog : res::DialogTemplates()) {
        seen.insert(dialog.id);
        EXPECT_EQ(res::FindDialogTemplate(dialog.id), &dialog);
    }
    EXPECT_EQ(seen, std::multiset<UINT>(expected.begin(), expected.end()));
    EXPECT_EQ(res::FindDialogTemplate(0), nullptr);
    EXPECT_EQ(res::FindDialogTemplate(IDS_WIZARD_CAPTION), nullptr);
    EXPECT_EQ(res::FindDialogTemplate(131), nullptr);
}

TEST(ResDialogTemplatesTest, EveryPageHasTheCommonFrameAndSidePicture) {
    for (const PageShape& page : kPages) {
        SCOPED_TRACE("template " + std::to_string(page.id));
        const DialogTemplate& dialog = Template(page.id);
        EXPECT_STREQ(dialog.caption, "K7 Vessamo Download Wizard");
        EXPECT_STREQ(dialog.fontFace, "MS Sans Serif");
        EXPECT_EQ(dialog.pointSize, 8);
        EXPECT_EQ(dialog.cx, page.cx);
        EXPECT_EQ(dialog.cy, page.cy);
        EXPECT_EQ(dialog.style, ui::WS_CHILD | ui::WS_DISABLED);

        ASSERT_GE(dialog.controls.size(), 2u);
        const ControlTemplate& picture = dialog.controls.front();
        EXPECT_EQ(picture.kind, ControlKind::Picture);
        EXPECT_EQ(picture.id, ui::IDC_STATIC);
        EXPECT_EQ(picture.imageId, static_cast<UINT>(IDB_WIZARD));
        EXPECT_EQ(picture.rect.x, 7);
        EXPECT_EQ(picture.rect.y, 7);
        EXPECT_EQ(picture.rect.cx, 53);
        EXPECT_EQ(picture.rect.cy, 172);

        int leftmost = dialog.cx;
        for (const ControlTemplate& control : dialog.controls.subspan(1)) {
            EXPECT_NE(control.kind, ControlKind::Picture);
            EXPECT_GE(control.rect.x, 69) << control.text;
            leftmost = std::min(leftmost, control.rect.x);
        }
        EXPECT_EQ(leftmost, 69) << "the page's own controls start at 69";
    }
}

TEST(ResDialogTemplatesTest, ControlsFitTheirDialogAndIdsAreUnique) {
    for (const DialogTemplate& dialog : res::DialogTemplates()) {
        SCOPED_TRACE("template " + std::to_string(dialog.id));
        std::set<int> ids;
        for (const ControlTemplate& control : dialog.controls) {
            ASSERT_NE(control.text, nullptr);
            EXPECT_GT(control.rect.cx, 0);
            EXPECT_GT(control.rect.cy, 0);
            EXPECT_LE(control.rect.x + control.rect.cx, dialog.cx) << control.text;
            EXPECT_LE(control.rect.y + control.rect.cy, dialog.cy) << control.text;
            if (control.id != ui::IDC_STATIC) {
                EXPECT_TRUE(ids.insert(control.id).second) << "duplicate id " << control.id;
            }
            if (control.kind != ControlKind::Picture) {
                EXPECT_EQ(control.imageId, 0u);
            }
        }
    }
}

TEST(ResDialogTemplatesTest, StaticTextsStartGroupsAndButtonsAreTabStopsButNeverDefault) {
    for (const DialogTemplate& dialog : res::DialogTemplates()) {
        SCOPED_TRACE("template " + std::to_string(dialog.id));
        for (const ControlTemplate& control : dialog.controls) {
            SCOPED_TRACE(control.text);
            EXPECT_EQ(control.style & ui::BS_DEFPUSHBUTTON, 0u);
            switch (control.kind) {
                case ControlKind::Static:
                    EXPECT_NE(control.style & ui::WS_GROUP, 0u);
                    EXPECT_EQ(control.style & ui::WS_TABSTOP, 0u);
                    break;
                case ControlKind::PushButton:
                case ControlKind::AutoCheckBox:
                    EXPECT_NE(control.style & ui::WS_TABSTOP, 0u);
                    break;
                case ControlKind::AutoRadioButton:
                case ControlKind::ProgressBar:
                case ControlKind::Picture:
                    EXPECT_EQ(control.style & ui::WS_TABSTOP, 0u);
                    break;
                case ControlKind::Edit:
                    break;
            }
        }
    }
}

TEST(ResDialogTemplatesTest, TextsKeepTheirExactBlanksQuotesAndMnemonics) {
    const DialogTemplate& intro = Template(IDD_WIZ_INTRO);
    EXPECT_EQ(TextAt(intro, 69, 14),
              "Welcome to the Korvane Vessamo Download Wizard.  This wizard will help you "
              "download and install K7 Vessamo on your computer.");
    EXPECT_EQ(TextAt(intro, 69, 52),
              "We will begin by determining which Vessamo install package you will require  "
              "for your Operating System.");
    EXPECT_EQ(TextAt(intro, 69, 109), "Click \"Next\" to continue.");
    EXPECT_EQ(TextAt(intro, 69, 84), "This may take several seconds.");

    const DialogTemplate& os = Template(IDD_WIZ_OS);
    EXPECT_EQ(TextAt(os, 69, 14), "We have detected that you are running ");
    EXPECT_EQ(TextAt(os, 69, 50),
              "If you believe this to be an error,  please click \"Select package manually\" "
              "below and choose the proper option.");
    EXPECT_STREQ(ControlById(os, IDC_WIN9X).text, "Windows 95/98/Me");
    EXPECT_STREQ(ControlById(os, IDC_SAVE_INSTALL_FILE).text,
                 "Save install file for installation on multiple computers.");

    const DialogTemplate& download = Template(IDD_WIZ_DOWNLOAD);
    EXPECT_STREQ(ControlById(download, IDC_STATUS).text,
                 "After the download has completed, click the \"Next\" button to begin the "
                 "installation of K7 Vessamo.");
    EXPECT_STREQ(ControlById(download, IDC_DOWNLOAD).text, "&Download");
    EXPECT_STREQ(ControlById(download, IDC_MESSAGE).text, "");

    EXPECT_EQ(TextAt(Template(IDD_WIZ_OUTRO), 69, 14),
              "Installation for K7 Vessamo is now complete.  You may run Vessamo from the start "
              "menu. ");
    EXPECT_STREQ(ControlById(Template(IDD_WIZ_MANUAL_DOWNLOAD), IDC_BROWSER_DOWNLOAD).text,
                 "Download with &Browser");
    EXPECT_STREQ(ControlById(Template(IDD_DOWNLOAD_PROGRESS), IDC_PROGRESS_TEXT).text,
                 "Downloading Korvane Vessamo");
}

TEST(ResDialogTemplatesTest, OSPageChoicesShareOneGroupWithRadiosOffTheTabOrder) {
    const DialogTemplate& os = Template(IDD_WIZ_OS);
    const std::vector<int> expectedOrder{ui::IDC_STATIC, ui::IDC_STATIC,       IDC_OS_NAME,
                                         ui::IDC_STATIC, IDC_SELECT_MANUALLY,  IDC_WIN9X,
                                         IDC_WINNT,      IDC_SAVE_INSTALL_FILE};
    ASSERT_EQ(Ids(os), expectedOrder);

    const auto controls = os.controls;
    // Exactly the three texts start groups; everything from 1007 on is one group.
    int groupStarts = 0;
    for (const ControlTemplate& control : controls) {
        if (control.style & ui::WS_GROUP) {
            ++groupStarts;
            EXPECT_EQ(control.kind, ControlKind::Static);
        }
    }
    EXPECT_EQ(groupStarts, 3);
    for (std::size_t i = 4; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i].style & ui::WS_GROUP, 0u) << controls[i].text;
    }
    EXPECT_EQ(controls[4].kind, ControlKind::AutoCheckBox);
    EXPECT_EQ(controls[5].kind, ControlKind::AutoRadioButton);
    EXPECT_EQ(controls[6].kind, ControlKind::AutoRadioButton);
    EXPECT_EQ(controls[7].kind, ControlKind::AutoCheckBox);
    EXPECT_EQ(controls[5].style & ui::WS_TABSTOP, 0u);
    EXPECT_EQ(controls[6].style & ui::WS_TABSTOP, 0u);
    EXPECT_NE(controls[4].style & ui::WS_TABSTOP, 0u);
    EXPECT_NE(controls[7].style & ui::WS_TABSTOP, 0u);
}

TEST(ResDialogTemplatesTest, ProgressDialogIsAModalPopupWithCancelFirstInTabOrder) {
    const DialogTemplate& progress = Template(IDD_DOWNLOAD_PROGRESS);
    EXPECT_STREQ(progress.caption, "Download Progress");
    EXPECT_EQ(progress.cx, 223);
    EXPECT_EQ(progress.cy, 89);
    EXPECT_STREQ(progress.fontFace, "MS Sans Serif");
    EXPECT_EQ(progress.pointSize, 8);
    EXPECT_EQ(progress.style, ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::DS_MODALFRAME);

    constexpr int kOk = 1;
    constexpr int kCancel = 2;
    ASSERT_EQ(Ids(progress), (std::vector<int>{kCancel, IDC_PROGRESS, IDC_PROGRESS_TEXT, kOk}));
    std::vector<int> tabStops;
    for (const ControlTemplate& control : progress.controls) {
        if (control.style & ui::WS_TABSTOP) tabStops.push_back(control.id);
    }
    EXPECT_EQ(tabStops, (std::vector<int>{kCancel, kOk}));
    EXPECT_EQ(ControlById(progress, kCancel).kind, ControlKind::PushButton);
    EXPECT_EQ(ControlById(progress, kOk).kind, ControlKind::PushButton);
    EXPECT_STREQ(ControlById(progress, kCancel).text, "&Cancel");
    EXPECT_STREQ(ControlById(progress, kOk).text, "&OK");
    const ControlTemplate& bar = ControlById(progress, IDC_PROGRESS);
    EXPECT_EQ(bar.kind, ControlKind::ProgressBar);
    EXPECT_NE(bar.style & ui::WS_BORDER, 0u);
}

TEST(ResDialogTemplatesTest, MnemonicsAreSingleAndPointAtALetter) {
    for (const DialogTemplate& dialog : res::DialogTemplates()) {
        for (const ControlTemplate& control : dialog.controls) {
            const std::string text = control.text;
            const auto first = text.find('&');
            if (first == std::string::npos) continue;
            EXPECT_EQ(text.find('&', first + 1), std::string::npos) << text;
            ASSERT_LT(first + 1, text.size()) << text;
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[first + 1]))) << text;
        }
    }
}

}  // namespace
