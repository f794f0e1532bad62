#include "platform/ui/ScreenRenderer.h"

#include "platform/ui/win32/Win32Renderer.h"

namespace ui {

std::unique_ptr<Renderer> OpenScreenRenderer() {
    return win32::Win32Renderer::Open();
}

}  // namespace ui
