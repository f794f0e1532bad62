// Template 104: the welcome page.
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
     "Welcome to the Korvane Vessamo Download Wizard.  This wizard will help you download and "
     "install K7 Vessamo on your computer.",
     {69, 14, 165, 27},
     kStaticStyle},
    {ui::IDC_STATIC,
     ControlKind::Static,
     "We will begin by determining which Vessamo install package you will require  for your "
     "Operating System.",
     {69, 52, 165, 22},
     kStaticStyle},
    {ui::IDC_STATIC,
     ControlKind::Static,
     "Click \"Next\" to continue.",
     {69, 109, 79, 8},
     kStaticStyle},
    {ui::IDC_STATIC,
     ControlKind::Static,
     "This may take several seconds.",
     {69, 84, 100, 8},
     kStaticStyle},
};

}  // namespace

constinit const ui::DialogTemplate kWizIntro{IDD_WIZ_INTRO, kPageCaption, 247,        kPageHeight,
                                             kFontFace,     kPointSize,   kPageStyle, kControls};

}  // namespace res::templates
