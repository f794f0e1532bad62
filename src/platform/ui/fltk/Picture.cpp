#include "platform/ui/fltk/Picture.h"

#include <FL/fl_draw.H>

#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Density.h"

namespace ui::fltk {

std::unique_ptr<Fl_RGB_Image> ImageOf(const Bitmap& bitmap) {
    if (bitmap.pixels == nullptr || bitmap.width <= 0 || bitmap.height <= 0 ||
        (bitmap.depth != 3 && bitmap.depth != 4)) {
        return nullptr;
    }
    return std::make_unique<Fl_RGB_Image>(bitmap.pixels, bitmap.width, bitmap.height, bitmap.depth);
}

std::unique_ptr<Fl_RGB_Image> ScaledImageOf(const Bitmap& bitmap) {
    std::unique_ptr<Fl_RGB_Image> image = ImageOf(bitmap);
    if (!image || Density::Dpi() == Density::kClassicDpi) return image;
    // Bilinear, not FLTK's default of repeating pixels in blocks.
    Fl_RGB_Scaling previous = Fl_Image::RGB_scaling();
    Fl_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);
    // An RGB image's copy is an RGB image.
    std::unique_ptr<Fl_RGB_Image> scaled(static_cast<Fl_RGB_Image*>(
        image->copy(Density::Scale(bitmap.width), Density::Scale(bitmap.height))));
    Fl_Image::RGB_scaling(previous);
    return scaled;
}

Picture::Picture(HWND control, int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), ModelBinding(control) {
    Window* model = Model();
    if (model == nullptr) return;
    // The resource's pixels live as long as the program; the unscaled
    // image only points at them.
    m_image = ScaledImageOf(LoadResourceBitmap(model->ImageId()));
}

void Picture::draw() {
    fl_color(Colour(classic::kFace));
    fl_rectf(x(), y(), w(), h());
    if (m_image) m_image->draw(x(), y(), w(), h(), 0, 0);
}

}  // namespace ui::fltk
