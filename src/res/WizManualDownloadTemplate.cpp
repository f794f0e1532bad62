// Template 130: the browser-download page.
#include "res/TemplateParts.h"
#include "res/Templates.h"

namespace res::templates {
namespace {

using namespace parts;
using ui::ControlKind;

// No code refers to the explanation, but it keeps its identifier.
constexpr int kExplanationId = 1004;

constexpr ui::ControlTemplate kControls[] = {
    kSidePicture,
    {kExplanationId,
     ControlKind::Static,
     "Click below to open a browser window and download the correct package to your hard drive.",
     {69, 25, 224, 37},
     kStaticStyle},
    {IDC_BROWSER_DOWNLOAD,
     ControlKind::PushButton,
     "Download with &Browser",
     {69, 72, 79, 14},
     kPushButtonStyle},
};

}  // namespace

constinit const ui::DialogTemplate kWizManualDownload{IDD_WIZ_MANUAL_DOWNLOAD,
                                                      kPageCaption,
                                                      300,
                                                      kPageHeight,
                                                      kFontFace,
                                                      kPointSize,
                                                      kPageStyle,
                                                      kControls};

}  // namespace res::templates
