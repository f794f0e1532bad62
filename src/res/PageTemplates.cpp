// The wizard's page templates: 104 to 107 and 130. Each is a page of the
// same caption, font and style with the side picture at its left.
#include "res/TemplateParts.h"
#include "res/Templates.h"

namespace res::templates {
namespace {

using namespace parts;

// The welcome page (104).
constexpr ui::ControlTemplate kIntroControls[] = {
    kSidePicture,
    Text("Welcome to the Korvane Vessamo Download Wizard.  This wizard will help you download and "
         "install K7 Vessamo on your computer.",
         {69, 14, 165, 27}),
    Text("We will begin by determining which Vessamo install package you will require  for your "
         "Operating System.",
         {69, 52, 165, 22}),
    Text("Click \"Next\" to continue.", {69, 109, 79, 8}),
    Text("This may take several seconds.", {69, 84, 100, 8}),
};

// The operating-system page (105). The three static texts start groups and
// nothing after them does, so the two check boxes and the two radio buttons
// form one group in which the radio buttons exclude each other.
constexpr ui::ControlTemplate kOsControls[] = {
    kSidePicture,
    Text("We have detected that you are running ", {69, 14, 127, 8}),
    Text("Static", {79, 32, 100, 16}, IDC_OS_NAME),
    Text("If you believe this to be an error,  please click \"Select package manually\" below and "
         "choose the proper option.",
         {69, 50, 157, 26}),
    CheckBox(IDC_SELECT_MANUALLY, "Select package manually.", {96, 83, 97, 10}),
    RadioButton(IDC_WIN9X, "Windows 95/98/Me", {96, 97, 80, 10}),
    RadioButton(IDC_WINNT, "Windows NT/2000/XP", {96, 117, 89, 10}),
    CheckBox(IDC_SAVE_INSTALL_FILE, "Save install file for installation on multiple computers.",
             {69, 144, 179, 10}),
};

// The download page (106).
constexpr ui::ControlTemplate kDownloadControls[] = {
    kSidePicture,
    Text("Click the \"Download\" button to begin the installation process.", {69, 14, 224, 24}),
    Text("After the download has completed, click the \"Next\" button to begin the installation "
         "of K7 Vessamo.",
         {69, 55, 224, 25}, IDC_STATUS),
    PushButton(IDC_DOWNLOAD, "&Download", {69, 81, 50, 14}),
    Text("", {69, 103, 224, 51}, IDC_MESSAGE),
};

// The completion page (107), one unit lower than the others.
constexpr ui::ControlTemplate kOutroControls[] = {
    kSidePicture,
    Text("Installation for K7 Vessamo is now complete.  You may run Vessamo from the start menu. ",
         {69, 14, 143, 34}),
};

// The browser-download page (130). No code refers to the explanation, but
// it keeps its identifier.
constexpr int kExplanationId = 1004;
constexpr ui::ControlTemplate kManualDownloadControls[] = {
    kSidePicture,
    Text("Click below to open a browser window and download the correct package to your hard "
         "drive.",
         {69, 25, 224, 37}, kExplanationId),
    PushButton(IDC_BROWSER_DOWNLOAD, "Download with &Browser", {69, 72, 79, 14}),
};

}  // namespace

constinit const ui::DialogTemplate kWizIntro = parts::Page(IDD_WIZ_INTRO, 247, kIntroControls);
constinit const ui::DialogTemplate kWizOS = parts::Page(IDD_WIZ_OS, 268, kOsControls);
constinit const ui::DialogTemplate kWizDownload =
    parts::Page(IDD_WIZ_DOWNLOAD, 300, kDownloadControls);
constinit const ui::DialogTemplate kWizOutro =
    parts::Page(IDD_WIZ_OUTRO, 267, kOutroControls, kPageHeight - 1);
constinit const ui::DialogTemplate kWizManualDownload =
    parts::Page(IDD_WIZ_MANUAL_DOWNLOAD, 300, kManualDownloadControls);

}  // namespace res::templates
