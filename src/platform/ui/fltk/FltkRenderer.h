// The renderer that shows the window model on an X display with FLTK 1.3.
// Every model window becomes one widget laid out from its rectangle in
// dialog units; widgets read the model's state when they draw, and every
// change the model reports schedules a redraw. Input goes back through the
// model's input functions. Only the UI thread calls into FLTK; other
// threads reach it solely through Wake, one coalesced Fl::awake().
#pragma once

#include <memory>

#include "platform/ui/NativeWindows.h"
#include "platform/ui/Renderer.h"

class Fl_Group;
class Fl_Widget;

namespace ui::fltk {

class TopLevelWindow;

class FltkRenderer final : public Renderer {
  public:
    // Opens the X display and prepares FLTK (fonts, the wake-up of the UI
    // thread); nullptr when no display can be opened. Without a display
    // nothing is printed and nothing exits: the caller reports it.
    static std::unique_ptr<FltkRenderer> Open();
    ~FltkRenderer() override;

    void TopLevelCreated(Window& window) override;
    void ChildCreated(Window& child) override;
    void TopLevelShown(Window& window) override;
    void TopLevelDestroyed(Window& window) override;
    void WindowChanged(Window& window, unsigned changes) override;
    void FocusChanged(Window& topLevel, Window* focus) override;
    void PollEvents() override;
    void WaitForEvents(Window& modal) override;
    void Wake() override;

  private:
    FltkRenderer() = default;
    // Creates the widgets of `model`'s children inside `group`, whose
    // top-left corner is at (originX, originY) in window pixels.
    void BuildChildren(Window& model, Fl_Group& group, int originX, int originY);
    void AddWidget(Window& child, Fl_Group& group, int originX, int originY);
    Fl_Widget* MakeWidget(Window& control, int x, int y, int w, int h);
    void PlaceSeparator(Window& sheet);
    TopLevelWindow* TopLevelOf(Window& window);

    NativeWindows<Fl_Widget*> m_widgets;
};

}  // namespace ui::fltk
