// The wizard's resources, compiled into the executable: dialog templates,
// the string table, the side bitmap, the program icon, version information.
#pragma once

#include <span>

#include "platform/CString.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ResourceRegistry.h"

namespace res {

// Every dialog template of the wizard.
std::span<const ui::DialogTemplate> DialogTemplates();
// The template with identifier `id`, or nullptr.
const ui::DialogTemplate* FindDialogTemplate(UINT id);

// The string-table entry `id`, or "" when there is none.
CString LoadString(UINT id);

// An image as 8-bit RGB (depth 3) or RGBA (depth 4) pixels, rows top to
// bottom: the bitmap the window model's resource registry takes as it is.
using Image = ui::Bitmap;
// The bitmap resource `id` (IDB_WIZARD: 80 x 280, RGB), or an empty Image.
// The pixels live as long as the program.
Image LoadBitmap(UINT id);
// The program icon (IDR_MAINFRAME), 32 x 32 RGBA; transparent pixels have
// alpha 0, all others 255. The pixels live as long as the program.
Image LoadIcon();

// The version resource: "1, 0, 0, 1" and its named strings. The same strings
// sit in the executable's ".vessamo_version" section (see Version.cpp) and,
// on Windows, in its version resource (Vessamo.rc).
struct VersionInfo {
    const char* fileVersion;
    const char* productVersion;
    const char* fileDescription;
    const char* internalName;
    const char* originalFilename;
    const char* productName;
    const char* stringFileInfoBlock;  // "040904B0": U.S. English, Unicode
};
const VersionInfo& GetVersionInfo();

}  // namespace res
