// Every text the wizard shows fits its control whole, in the fonts the
// renderer picks on this machine: static texts within the lines their
// height holds, buttons, check boxes and radio buttons on one line. Checks
// the templates' own texts and the texts the pages put in at run time, on
// a classic desktop (no Xft.dpi) and on desktops at 1.5 and 2 times its
// font density.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "e2e/support/VirtualDisplay.h"
#include "platform/ui/Font.h"
#include "platform/ui/fltk/FltkRenderer.h"
#include "platform/ui/fltk/TextFit.h"
#include "res/Resources.h"
#include "res/resource.h"

namespace {

LOGFONT DialogFont(LONG heightDelta = 0, LONG weight = FW_NORMAL) {
    LOGFONT lf;
    lf.lfHeight = PointSizeToHeight(8) + heightDelta;
    lf.lfWeight = weight;
    return lf;
}

const ui::ControlTemplate* FindControl(UINT dialog, int id) {
    for (const ui::ControlTemplate& control : res::FindDialogTemplate(dialog)->controls) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

// The desktop's Xft.dpi; 0 publishes none.
class TemplateTexts : public testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        m_display = std::make_unique<e2e::VirtualDisplay>(1024, 768, GetParam());
        setenv("DISPLAY", m_display->Name().c_str(), 1);
        m_renderer = ui::fltk::FltkRenderer::Open();
        ASSERT_NE(m_renderer, nullptr);
    }

    std::unique_ptr<e2e::VirtualDisplay> m_display;
    std::unique_ptr<ui::fltk::FltkRenderer> m_renderer;
};

TEST_P(TemplateTexts, FitTheirControls) {
    int checked = 0;
    for (const ui::DialogTemplate& dialog : res::DialogTemplates()) {
        for (const ui::ControlTemplate& control : dialog.controls) {
            if (control.text == nullptr || control.text[0] == '\0') continue;
            ++checked;
            EXPECT_TRUE(ui::fltk::TextFits(control.text, DialogFont(), control.kind,
                                           ui::fltk::UnitsToPixels(control.rect)))
                << "template " << dialog.id << ": \"" << control.text << "\"";
        }
    }
    EXPECT_GE(checked, 15);
}

std::string Text(UINT id) {
    return res::LoadString(id).str();
}

// A failure text with one of the longest causes the page names.
std::string FailureText(UINT offer) {
    return Text(IDS_DOWNLOAD_FAILED) + ": the connection to the download host broke." + Text(offer);
}

TEST_P(TemplateTexts, RunTimeTextsFitTheirControls) {
    // The bold family name is one pixel taller than the dialog font.
    const LOGFONT bold = DialogFont(-1, FW_BOLD);
    struct Case {
        UINT dialog;
        int id;
        std::string text;
        LOGFONT font;
    };
    const Case cases[] = {
        {IDD_WIZ_OS, IDC_OS_NAME, "Windows NT/2000/XP", bold},
        {IDD_WIZ_OS, IDC_OS_NAME, "Windows 95/98/ME", bold},
        {IDD_DOWNLOAD_PROGRESS, IDC_PROGRESS_TEXT, Text(IDS_PROGRESS_COMPLETE), DialogFont()},
        {IDD_DOWNLOAD_PROGRESS, IDC_PROGRESS_TEXT, Text(IDS_PROGRESS_DOWNLOADING), DialogFont()},
        {IDD_WIZ_DOWNLOAD, IDC_MESSAGE, Text(IDS_DOWNLOAD_PROXY_ADVICE), DialogFont()},
        {IDD_WIZ_DOWNLOAD, IDC_MESSAGE, Text(IDS_DOWNLOAD_CANCELLED), DialogFont()},
        {IDD_WIZ_DOWNLOAD, IDC_MESSAGE, Text(IDS_DOWNLOAD_READY), DialogFont()},
        {IDD_WIZ_DOWNLOAD, IDC_MESSAGE, FailureText(IDS_DOWNLOAD_TRY_AGAIN), DialogFont()},
        {IDD_WIZ_DOWNLOAD, IDC_MESSAGE, FailureText(IDS_DOWNLOAD_CONTINUE), DialogFont()},
        {IDD_WIZ_DOWNLOAD, IDC_STATUS, Text(IDS_DOWNLOAD_DONE), DialogFont()},
        {IDD_WIZ_DOWNLOAD, IDC_STATUS, Text(IDS_DOWNLOAD_PENDING), DialogFont()},
    };
    for (const Case& c : cases) {
        const ui::ControlTemplate* control = FindControl(c.dialog, c.id);
        ASSERT_NE(control, nullptr) << c.dialog << "/" << c.id;
        EXPECT_TRUE(ui::fltk::TextFits(c.text, c.font, control->kind,
                                       ui::fltk::UnitsToPixels(control->rect)))
            << "\"" << c.text << "\"";
    }
}

TEST_P(TemplateTexts, ATextTooLongForItsControlIsReported) {
    const ui::ControlTemplate* name = FindControl(IDD_WIZ_OS, IDC_OS_NAME);
    ui::PixelRect rect = ui::fltk::UnitsToPixels(name->rect);
    EXPECT_FALSE(ui::fltk::TextFits(
        "A family name far too long for the two lines the control has room for, surely",
        DialogFont(-1, FW_BOLD), ui::ControlKind::Static, rect));
    EXPECT_FALSE(ui::fltk::TextFits("Download with Browser and more", DialogFont(),
                                    ui::ControlKind::PushButton,
                                    ui::fltk::UnitsToPixels({69, 72, 79, 14})));
}

INSTANTIATE_TEST_SUITE_P(FontDpi, TemplateTexts, testing::Values(0, 144, 192),
                         [](const testing::TestParamInfo<int>& param) {
                             return param.param == 0 ? std::string("Classic")
                                                     : "Dpi" + std::to_string(param.param);
                         });

}  // namespace
