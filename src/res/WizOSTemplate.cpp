// Template 105: the operating-system page. The three static texts start
// groups and nothing after them does, so the two check boxes and the two
// radio buttons form one group in which the radio buttons exclude each other.
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
     "We have detected that you are running ",
     {69, 14, 127, 8},
     kStaticStyle},
    {IDC_OS_NAME, ControlKind::Static, "Static", {79, 32, 100, 16}, kStaticStyle},
    {ui::IDC_STATIC,
     ControlKind::Static,
     "If you believe this to be an error,  please click \"Select package manually\" below and "
     "choose the proper option.",
     {69, 50, 157, 26},
     kStaticStyle},
    {IDC_SELECT_MANUALLY,
     ControlKind::AutoCheckBox,
     "Select package manually.",
     {96, 83, 97, 10},
     kCheckBoxStyle},
    {IDC_WIN9X,
     ControlKind::AutoRadioButton,
     "Windows 95/98/Me",
     {96, 97, 80, 10},
     kRadioButtonStyle},
    {IDC_WINNT,
     ControlKind::AutoRadioButton,
     "Windows NT/2000/XP",
     {96, 117, 89, 10},
     kRadioButtonStyle},
    {IDC_SAVE_INSTALL_FILE,
     ControlKind::AutoCheckBox,
     "Save install file for installation on multiple computers.",
     {69, 144, 179, 10},
     kCheckBoxStyle},
};

}  // namespace

constinit const ui::DialogTemplate kWizOS{IDD_WIZ_OS, kPageCaption, 268,        kPageHeight,
                                          kFontFace,  kPointSize,   kPageStyle, kControls};

}  // namespace res::templates
