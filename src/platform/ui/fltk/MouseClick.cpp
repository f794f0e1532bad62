#include "platform/ui/fltk/MouseClick.h"

#include <FL/Fl.H>

#include "platform/ui/Input.h"

namespace ui::fltk {

int MouseClick::Handle(int event, Fl_Widget& widget, const ModelBinding& binding) {
    switch (event) {
        case FL_PUSH: {
            Window* model = binding.Model();
            if (Fl::event_button() != FL_LEFT_MOUSE || model == nullptr || !model->IsEnabled()) {
                return 0;
            }
            m_tracking = m_pressed = true;
            widget.redraw();
            return 1;
        }
        case FL_DRAG: {
            bool inside = Fl::event_inside(&widget);
            if (m_tracking && inside != m_pressed) {
                m_pressed = inside;
                widget.redraw();
            }
            return 1;
        }
        case FL_RELEASE: {
            bool click = m_tracking && Fl::event_inside(&widget);
            m_tracking = m_pressed = false;
            widget.redraw();
            // The click may open a modal window or close this one: the
            // widget's own state is settled before the model acts.
            if (click) ClickControl(binding.Handle());
            return 1;
        }
        default:
            return 0;
    }
}

}  // namespace ui::fltk
