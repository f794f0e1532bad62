#include "platform/ui/fltk/EditField.h"

#include <FL/Fl.H>

#include <string>

#include "platform/ui/Input.h"
#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Fonts.h"

namespace ui::fltk {

EditField::EditField(HWND control, int x, int y, int w, int h)
    : Fl_Input(x, y, w, h), ModelBinding(control) {
    Window* model = Model();
    if (model != nullptr && (model->Style() & ES_PASSWORD) != 0) type(FL_SECRET_INPUT);
    box(SunkenFieldBox());
    selection_color(Colour(classic::kSelection));
    when(FL_WHEN_CHANGED);
    callback(Changed, this);
    Refresh();
}

void EditField::Refresh() {
    Window* model = Model();
    if (model == nullptr) return;
    FontChoice font = Fonts::For(model->Font());
    textfont(font.face);
    textsize(font.size);
    std::string_view text = TextOf(*model);
    if (std::string_view(value(), static_cast<std::size_t>(size())) != text) {
        value(text.data(), static_cast<int>(text.size()));
    }
    color(model->IsEnabled() ? Colour(classic::kWindow) : Colour(classic::kFace));
    redraw();
}

void EditField::draw() {
    Window* model = Model();
    textcolor(model != nullptr && model->IsEnabled() ? Colour(classic::kText)
                                                     : Colour(classic::kShadow));
    Fl_Input::draw();
}

int EditField::handle(int event) {
    Window* model = Model();
    if (model == nullptr) return 0;
    switch (event) {
        case FL_KEYBOARD: {
            int key = Fl::event_key();
            bool dialogKey = key == FL_Tab || key == FL_Enter || key == FL_KP_Enter ||
                             key == FL_Escape || key == FL_Up || key == FL_Down ||
                             Fl::event_state(FL_ALT) != 0;
            if (dialogKey) return 0;
            return Fl_Input::handle(event);
        }
        case FL_PUSH:
            if (!model->IsEnabled()) return 0;
            // The model moves its focus here; FLTK places the cursor.
            ClickControl(Handle());
            return Fl_Input::handle(event);
        case FL_FOCUS:
            if (!model->IsEnabled()) return 0;
            return Fl_Input::handle(event);
        default:
            return Fl_Input::handle(event);
    }
}

void EditField::Changed(Fl_Widget*, void* data) {
    auto* field = static_cast<EditField*>(data);
    EditText(field->Handle(),
             std::string_view(field->value(), static_cast<std::size_t>(field->size())));
}

}  // namespace ui::fltk
