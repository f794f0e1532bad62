// The picture files of the wizard, compiled into the executable. The build
// generates one source per file from the committed file (see CMakeLists.txt).
#pragma once

#include <span>

namespace res::embedded {

// The bytes of Wizard.bmp: the side bitmap of every page.
std::span<const unsigned char> WizardBitmap();
// The bytes of MainFrame.ico: the program icon.
std::span<const unsigned char> MainFrameIcon();

}  // namespace res::embedded
