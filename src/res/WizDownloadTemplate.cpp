// Template 106: the download page.
#include "res/TemplateParts.h"
#include "res/Templates.h"

namespace res::templates {
namespace {

using namespace parts;
using ui::ControlKind;

constexpr ui::ControlTemplate kControls[] = {
    kSidePicture,
    {ui::IDC_STATIC,
     ControlKind::Static,
     "Click the \"Download\" button to begin the installation process.",
     {69, 14, 224, 24},
     kStaticStyle},
    {IDC_STATUS,
     ControlKind::Static,
     "After the download has completed, click the \"Next\" button to begin the installation of "
     "K7 Vessamo.",
     {69, 55, 224, 25},
     kStaticStyle},
    {IDC_DOWNLOAD, ControlKind::PushButton, "&Download", {69, 81, 50, 14}, kPushButtonStyle},
    {IDC_MESSAGE, ControlKind::Static, "", {69, 103, 224, 51}, kStaticStyle},
};

}  // namespace

constinit const ui::DialogTemplate kWizDownload{
    IDD_WIZ_DOWNLOAD, kPageCaption, 300, kPageHeight, kFontFace, kPointSize, kPageStyle, kControls};

}  // namespace res::templates
