#include "platform/ui/ScreenRenderer.h"

#include "platform/ui/fltk/FltkRenderer.h"

namespace ui {

std::unique_ptr<Renderer> OpenScreenRenderer() {
    return fltk::FltkRenderer::Open();
}

}  // namespace ui
