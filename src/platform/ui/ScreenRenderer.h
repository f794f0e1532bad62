// The renderer that puts the window model on the user's screen: FLTK on an
// X display, native controls on Windows. The build links exactly one.
#pragma once

#include <memory>

#include "platform/ui/Renderer.h"

namespace ui {

// Opens the screen and prepares the renderer; nullptr when there is no
// screen to draw on. Prints nothing and never exits: the caller reports it.
std::unique_ptr<Renderer> OpenScreenRenderer();

}  // namespace ui
