// Where each kind of control draws its text, and whether a text fits there:
// static texts wrap over as many lines as their height holds, the other
// controls show one line. The widgets draw inside these areas; tests use
// TextFits to check that every template's text is shown whole.
#pragma once

#include <string_view>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Font.h"
#include "platform/ui/fltk/DialogUnits.h"

namespace ui::fltk {

// The part of a control's rectangle (in pixels) its text may take.
PixelRect TextArea(ControlKind kind, PixelRect control);
// True when `label` ('&' marks included) in font `lf` fits the text area
// of a `kind` control with rectangle `control`. Measures with the
// renderer's fonts: the display must be open (FltkRenderer::Open).
bool TextFits(std::string_view label, const LOGFONT& lf, ControlKind kind, PixelRect control);

}  // namespace ui::fltk
