// The renderer's bitmaps and icons as GDI objects, made once from the
// model's resources (see ResourceRegistry) and kept until the renderer
// ends, so that a picture control never shows a deleted bitmap. The icon
// comes from the model's bitmap, so it needs no resource script.
#pragma once

#include <unordered_map>

#include "platform/Types.h"

using HBITMAP = struct HBITMAP__*;
using HICON = struct HICON__*;

namespace ui::win32 {

enum class IconSize {
    Large,  // the title bar's and the task switcher's, 32 x 32 at 96 dpi
    Small,  // the caption's, 16 x 16 at 96 dpi
};

class ImageStore {
  public:
    ImageStore() = default;
    ImageStore(const ImageStore&) = delete;
    ImageStore& operator=(const ImageStore&) = delete;
    ~ImageStore();

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
    std::unordered_map<PictureKey, HBITMAP, PictureKeyHash> m_pictures;
    std::unordered_map<int, HICON> m_icons;
};

}  // namespace ui::win32
