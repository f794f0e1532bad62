// Where the model finds its resources: dialog templates, strings and bitmaps.
// The application fills the registry at start-up from its resource module;
// tests fill it with their own. The model never knows where resources live.
#pragma once

#include <functional>
#include <span>

#include "platform/CString.h"
#include "platform/ui/DialogTemplate.h"

namespace ui {

// Adds templates (kept by reference: they must outlive the registry's use).
// A later registration of the same identifier replaces the earlier one.
void RegisterDialogTemplates(std::span<const DialogTemplate> templates);
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
// The registered template `id`, or nullptr.
const DialogTemplate* FindDialogTemplate(UINT id);
// Forgets every template, string and bitmap source. The product never
// forgets one: only test programs define it (tests/support/UiTestSupport.cpp),
// to start each test clean.
void ClearResources();

// Installs the source of string-table entries.
void SetStringLoader(std::function<CString(UINT id)> loader);
// The string `id`, or "" when there is none.
CString LoadResourceString(UINT id);

// A bitmap as 8-bit RGB (depth 3) or RGBA (depth 4) pixels, rows top to bottom.
struct Bitmap {
    int width = 0;
    int height = 0;
    int depth = 0;
    const unsigned char* pixels = nullptr;
};
// Installs the source of bitmaps (pictures in templates, the program icon).
void SetBitmapLoader(std::function<Bitmap(UINT id)> loader);
// The bitmap `id`, or an empty Bitmap.
Bitmap LoadResourceBitmap(UINT id);

// Identifier under which the program icon is asked of the bitmap loader.
constexpr UINT kProgramIconId = 128;

}  // namespace ui
