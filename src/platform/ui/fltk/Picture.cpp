#include "platform/ui/fltk/Picture.h"

#include <FL/fl_draw.H>

#include "platform/ui/fltk/ClassicLook.h"

namespace ui::fltk {

std::unique_ptr<Fl_RGB_Image> ImageOf(const Bitmap& bitmap) {
    if (bitmap.pixels == nullptr || bitmap.width <= 0 || bitmap.height <= 0 ||
        (bitmap.depth != 3 && bitmap.depth != 4)) {
        return nullptr;
    }
    return std::make_unique<Fl_RGB_Image>(bitmap.pixels, bitmap.width, bitmap.height, bitmap.depth);
}

Picture::Picture(HWND control, int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), ModelBinding(control) {
    Window* model = Model();
    if (model == nullptr) return;
    // The resource's pixels live as long as the program; the image only
    // points at them.
    m_image = ImageOf(LoadResourceBitmap(model->ImageId()));
}

void Picture::draw() {
    fl_color(colours::Face());
    fl_rectf(x(), y(), w(), h());
    if (m_image) m_image->draw(x(), y(), w(), h(), 0, 0);
}

}  // namespace ui::fltk
