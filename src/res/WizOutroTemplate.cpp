// Template 107: the completion page, one unit lower than the others.
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
     "Installation for K7 Vessamo is now complete.  You may run Vessamo from the start menu. ",
     {69, 14, 143, 34},
     kStaticStyle},
};

}  // namespace

constinit const ui::DialogTemplate kWizOutro{IDD_WIZ_OUTRO, kPageCaption, 267,        180,
                                             kFontFace,     kPointSize,   kPageStyle, kControls};

}  // namespace res::templates
