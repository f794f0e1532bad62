// Template 129: the modal download progress window. Neither button is the
// default button, so Cancel (first in tab order, OK being disabled) has the
// focus when the window opens.
#include "res/TemplateParts.h"
#include "res/Templates.h"

namespace res::templates {
namespace {

using namespace parts;

// The standard dialog command identifiers of the OK and Cancel buttons.
constexpr int kOkId = 1;
constexpr int kCancelId = 2;

constexpr ui::ControlTemplate kControls[] = {
    PushButton(kCancelId, "&Cancel", {114, 68, 50, 14}),
    {IDC_PROGRESS, ui::ControlKind::ProgressBar, "", {15, 34, 193, 14}, ui::WS_BORDER},
    Text("Downloading Korvane Vessamo", {15, 22, 193, 8}, IDC_PROGRESS_TEXT),
    PushButton(kOkId, "&OK", {60, 68, 50, 14}),
};

}  // namespace

constinit const ui::DialogTemplate kDownloadProgress{IDD_DOWNLOAD_PROGRESS,
                                                     "Download Progress",
                                                     223,
                                                     89,
                                                     kFontFace,
                                                     kPointSize,
                                                     kPopupDialogStyle,
                                                     kControls};

}  // namespace res::templates
