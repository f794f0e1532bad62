#include "platform/ui/fltk/TopLevelWindow.h"

#include <FL/Fl.H>

#include "platform/ui/Input.h"
#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/EditField.h"
#include "platform/ui/fltk/KeyRouting.h"

namespace ui::fltk {

namespace {

// The FLTK widget inside `group` that shows model window `target`, or nullptr.
Fl_Widget* FindWidget(Fl_Group& group, HWND target) {
    for (int i = 0; i < group.children(); ++i) {
        Fl_Widget* child = group.child(i);
        if (auto* bound = dynamic_cast<ModelBinding*>(child); bound && bound->Handle() == target) {
            return child;
        }
        if (Fl_Group* inner = child->as_group()) {
            if (Fl_Widget* found = FindWidget(*inner, target)) return found;
        }
    }
    return nullptr;
}

}  // namespace

TopLevelWindow::TopLevelWindow(HWND window, int w, int h)
    : Fl_Double_Window(w, h), ModelBinding(window) {
    end();
    box(FL_FLAT_BOX);
    color(Colour(classic::kFace));
    resizable(nullptr);
    callback(CloseBox, this);
}

void TopLevelWindow::SetSeparator(int x, int y, int w) {
    m_separator = Line{x, y, w};
    redraw();
}

void TopLevelWindow::ApplyModelFocus() {
    Window* model = Model();
    Window* focus = model != nullptr ? model->Focus() : nullptr;
    Fl_Widget* target = focus != nullptr ? FindWidget(*this, focus->Handle()) : nullptr;
    if (auto* field = dynamic_cast<EditField*>(target)) {
        // A field the focus moves to shows its whole text selected, so that
        // typing replaces it, as dialog fields do.
        if (Fl::focus() != field) {
            Fl::focus(field);
            field->position(field->size(), 0);
        }
    } else if (Fl::focus() != nullptr && contains(Fl::focus())) {
        Fl::focus(this);
    }
}

void TopLevelWindow::draw() {
    Fl_Double_Window::draw();
    if (m_separator) DrawEtchedLine(m_separator->x, m_separator->y, m_separator->w);
}

int TopLevelWindow::handle(int event) {
    switch (event) {
        case FL_KEYBOARD:
        case FL_SHORTCUT:
            return RouteKeyEvent() ? 1 : 0;
        case FL_FOCUS:
            // The model decides where the focus is, not FLTK's navigation.
            ApplyModelFocus();
            return 1;
        default:
            return Fl_Double_Window::handle(event);
    }
}

void TopLevelWindow::CloseBox(Fl_Widget*, void* data) {
    auto* window = static_cast<TopLevelWindow*>(data);
    CloseWindow(window->Handle());
}

}  // namespace ui::fltk
