// A dialog or the wizard sheet on screen. Its keys go to the model (FLTK's
// own focus navigation and its "Escape closes the window" are never used),
// the close box asks the model to close it (which presses Cancel), and a
// sheet draws the etched line above its button row.
#pragma once

#include <FL/Fl_Double_Window.H>

#include <optional>

#include "platform/ui/fltk/ModelBinding.h"

namespace ui::fltk {

class TopLevelWindow final : public Fl_Double_Window, public ModelBinding {
  public:
    TopLevelWindow(HWND window, int w, int h);

    // The etched separator, in window pixels; none by default.
    void SetSeparator(int x, int y, int w);
    // Gives FLTK's keyboard focus to the text field that has the model's
    // focus (its text selected), or to the window itself.
    void ApplyModelFocus();

    void draw() override;
    int handle(int event) override;

  private:
    static void CloseBox(Fl_Widget* widget, void* data);

    struct Line {
        int x;
        int y;
        int w;
    };
    std::optional<Line> m_separator;
};

}  // namespace ui::fltk
