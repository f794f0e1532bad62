// The process entry: puts the window model on the screen and runs the
// application. The program takes no arguments and reads no settings.
#include <cstdio>
#include <memory>

#include "app/InstallerApp.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/ScreenRenderer.h"

int main() {
    std::unique_ptr<ui::Renderer> renderer = ui::OpenScreenRenderer();
    if (!renderer) {
        std::fputs(
            "vessamo-installer: cannot open the display; the download wizard needs a graphical "
            "desktop\n",
            stderr);
        return 1;
    }
    ui::SetRenderer(renderer.get());
    int exitCode = RunInstallerApp();
    ui::SetRenderer(nullptr);
    return exitCode;
}
