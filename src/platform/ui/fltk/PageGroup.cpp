#include "platform/ui/fltk/PageGroup.h"

#include <FL/Fl.H>

#include "platform/ui/fltk/ClassicLook.h"

namespace ui::fltk {

PageGroup::PageGroup(HWND page, int x, int y, int w, int h)
    : Fl_Group(x, y, w, h), ModelBinding(page) {
    end();
    box(FL_FLAT_BOX);
    color(Colour(classic::kFace));
    // Children keep their template positions when the page moves.
    resizable(nullptr);
}

int PageGroup::handle(int event) {
    switch (event) {
        case FL_KEYBOARD:
        case FL_FOCUS:
            return 0;
        default:
            return Fl_Group::handle(event);
    }
}

}  // namespace ui::fltk
