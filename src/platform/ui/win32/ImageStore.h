// The renderer's bitmaps and icons as GDI objects, made once from the
// model's resources (see ResourceRegistry) and owned until the renderer
// ends, so that a picture control never shows a deleted bitmap. The icon
// comes from the model's bitmap, so it needs no resource script.
#pragma once

#include <unordered_map>

#include "platform/Types.h"
#include "platform/ui/win32/GdiObjects.h"

namespace ui::win32 {

enum class IconSize {
    Large,  // the title bar's and the task switcher's, 32 x 32 at 96 dpi
    Small,  // the caption's, 16 x 16 at 96 dpi
};

class ImageStore {
  public:
    // The bitmap resource `id` at `width` x `height` pixels, on the dialog
    // face colour; nullptr when the resource is missing.
    HBITMAP Picture(UINT id, int width, int height);
    // The program icon at the system's size for `size`; nullptr when missing.
    HICON ProgramIcon(IconSize size);

  private:
    struct PictureKey {
        UINT id;
        int width;
        int height;
        bool operator==(const PictureKey&) const = default;
    };
    struct PictureKeyHash {
        std::size_t operator()(const PictureKey& key) const;
    };
    std::unordered_map<PictureKey, OwnedBitmap, PictureKeyHash> m_pictures;
    std::unordered_map<int, OwnedIcon> m_icons;
};

}  // namespace ui::win32
