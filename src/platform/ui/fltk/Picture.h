// A picture control: shows its bitmap resource at its top-left corner, as
// a bitmap static does: unscaled at the classic density, else scaled
// smoothly by the density, as everything else grows.
#pragma once

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>

#include <memory>

#include "platform/ui/ResourceRegistry.h"
#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

// An FLTK image of `bitmap`'s pixels, which it points at without copying;
// nullptr when the bitmap is empty or neither RGB nor RGBA.
std::unique_ptr<Fl_RGB_Image> ImageOf(const Bitmap& bitmap);
// `bitmap` at the desktop's density: the image of ImageOf at the classic
// density, else a smoothly scaled copy that owns its pixels.
std::unique_ptr<Fl_RGB_Image> ScaledImageOf(const Bitmap& bitmap);

class Picture final : public Fl_Widget, public ModelBinding {
  public:
    Picture(HWND control, int x, int y, int w, int h);

    void draw() override;

  private:
    std::unique_ptr<Fl_RGB_Image> m_image;  // nullptr when the bitmap is missing
};

}  // namespace ui::fltk
