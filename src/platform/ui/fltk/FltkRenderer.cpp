#include "platform/ui/fltk/FltkRenderer.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/x.H>

#include <algorithm>
#include <optional>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalLoop.h"
#include "platform/ui/ModelReading.h"
#include "platform/ui/ResourceRegistry.h"
#include "platform/ui/fltk/CheckButton.h"
#include "platform/ui/fltk/ClassicLook.h"
#include "platform/ui/fltk/Density.h"
#include "platform/ui/fltk/DialogUnits.h"
#include "platform/ui/fltk/EditField.h"
#include "platform/ui/fltk/Fonts.h"
#include "platform/ui/fltk/PageGroup.h"
#include "platform/ui/fltk/Picture.h"
#include "platform/ui/fltk/ProgressBar.h"
#include "platform/ui/fltk/PushButton.h"
#include "platform/ui/fltk/StaticText.h"
#include "platform/ui/fltk/TopLevelWindow.h"

namespace ui::fltk {

namespace {

// The program icon at the desktop's density, made once; FLTK copies it
// into each window it is set on.
const Fl_RGB_Image* ProgramIcon() {
    static std::unique_ptr<Fl_RGB_Image> icon = ScaledImageOf(LoadResourceBitmap(kProgramIconId));
    return icon.get();
}

// FLTK's own colours, which its stock boxes and widgets draw with, set to
// the classic look's.
void UseClassicColours() {
    uchar r = 0, g = 0, b = 0;
    Fl::get_color(Colour(classic::kFace), r, g, b);
    Fl::background(r, g, b);
    Fl::get_color(Colour(classic::kText), r, g, b);
    Fl::foreground(r, g, b);
    Fl::get_color(Colour(classic::kWindow), r, g, b);
    Fl::background2(r, g, b);
}

// Where the widgets inside `group` are placed from. Widgets are placed in
// window coordinates: a window is its own origin, a group sits at its x, y.
struct Origin {
    int x;
    int y;
};
Origin OriginOf(Fl_Group* group) {
    if (group == nullptr || group->as_window() != nullptr) return {0, 0};
    return {group->x(), group->y()};
}

void CopyTitle(TopLevelWindow& window, const Window& model) {
    window.copy_label(model.Text().GetString());
}

}  // namespace

std::unique_ptr<FltkRenderer> FltkRenderer::Open() {
    // FLTK's own display opening ends the process with its own message;
    // opening it here first lets the program say what is wrong.
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    fl_open_display(display);
    // Before FLTK or Xft opens any font: the fonts' sizes follow it.
    Density::Read();
    Fonts::Initialise();
    // Turns on FLTK's thread support, without which Fl::awake() from
    // another thread does not wake Fl::wait(). Only this thread ever holds
    // the lock.
    Fl::lock();
    UseClassicColours();
    SunkenFieldBox();
    return std::unique_ptr<FltkRenderer>(new FltkRenderer());
}

FltkRenderer::~FltkRenderer() = default;

void FltkRenderer::TopLevelCreated(Window& window) {
    PixelRect rect = UnitsToPixels(window.Rect());
    Fl_Group::current(nullptr);
    auto* top = new TopLevelWindow(window.Handle(), rect.w, rect.h);
    CopyTitle(*top, window);
    m_widgets.Remember(window, top);
    BuildChildren(window, *top, 0, 0);
    if (window.Role() == WindowRole::Sheet) PlaceSeparator(window);
}

void FltkRenderer::ChildCreated(Window& child) {
    Fl_Widget* parentWidget = m_widgets.NativeOf(child.Parent());
    Fl_Group* group = parentWidget != nullptr ? parentWidget->as_group() : nullptr;
    if (group == nullptr) return;
    Origin origin = OriginOf(group);
    AddWidget(child, *group, origin.x, origin.y);
    group->redraw();
    if (Window* topLevel = child.TopLevel(); topLevel && topLevel->Role() == WindowRole::Sheet) {
        PlaceSeparator(*topLevel);
    }
}

void FltkRenderer::BuildChildren(Window& model, Fl_Group& group, int originX, int originY) {
    for (const std::unique_ptr<Window>& child : model.Children()) {
        AddWidget(*child, group, originX, originY);
    }
}

void FltkRenderer::AddWidget(Window& child, Fl_Group& group, int originX, int originY) {
    Fl_Group::current(nullptr);
    PixelRect rect = UnitsToPixels(child.Rect());
    int x = originX + rect.x;
    int y = originY + rect.y;
    Fl_Widget* widget = nullptr;
    if (child.Role() == WindowRole::Page) {
        auto* page = new PageGroup(child.Handle(), x, y, rect.w, rect.h);
        BuildChildren(child, *page, x, y);
        widget = page;
    } else {
        widget = MakeWidget(child, x, y, rect.w, rect.h);
    }
    if (widget == nullptr) return;
    if (!child.IsVisible()) widget->hide();
    group.add(widget);
    m_widgets.Remember(child, widget);
}

Fl_Widget* FltkRenderer::MakeWidget(Window& control, int x, int y, int w, int h) {
    HWND handle = control.Handle();
    switch (control.Kind()) {
        case ControlKind::Static:
            return new StaticText(handle, x, y, w, h);
        case ControlKind::PushButton:
            return new PushButton(handle, x, y, w, h);
        case ControlKind::AutoCheckBox:
            return new CheckButton(handle, CheckButton::Shape::Box, x, y, w, h);
        case ControlKind::AutoRadioButton:
            return new CheckButton(handle, CheckButton::Shape::Radio, x, y, w, h);
        case ControlKind::ProgressBar:
            return new ProgressBar(handle, x, y, w, h);
        case ControlKind::Picture:
            return new Picture(handle, x, y, w, h);
        case ControlKind::Edit:
            return new EditField(handle, x, y, w, h);
    }
    return nullptr;
}

TopLevelWindow* FltkRenderer::TopLevelOf(Window& window) {
    return static_cast<TopLevelWindow*>(m_widgets.NativeOf(window.TopLevel()));
}

void FltkRenderer::PlaceSeparator(Window& sheet) {
    auto* top = static_cast<TopLevelWindow*>(m_widgets.NativeOf(&sheet));
    if (top == nullptr) return;
    std::optional<PixelRect> line = SeparatorOf(sheet, DesktopBaseUnits(), Density::Line());
    if (line) top->SetSeparator(line->x, line->y, line->w);
}

void FltkRenderer::TopLevelShown(Window& window) {
    TopLevelWindow* top = TopLevelOf(window);
    if (top == nullptr) return;
    // A dialog opens centred over the window it belongs to: its parent's,
    // else the newest other open window.
    Window* owner = OpensOver(window);
    TopLevelWindow* over = owner != nullptr ? TopLevelOf(*owner) : nullptr;
    if (over != nullptr && over->shown()) {
        top->position(over->x() + (over->w() - top->w()) / 2,
                      over->y() + (over->h() - top->h()) / 2);
        // FLTK makes a modal window transient for the first window in its
        // list: put the owner there.
        Fl::first_window(over);
    } else {
        int sx = 0, sy = 0, sw = 0, sh = 0;
        Fl::screen_work_area(sx, sy, sw, sh);
        top->position(sx + (sw - top->w()) / 2, sy + (sh - top->h()) / 2);
    }
    if (window.Role() == WindowRole::Dialog) top->set_modal();
    if (const Fl_RGB_Image* icon = ProgramIcon()) top->icon(icon);
    top->show();
    top->ApplyModelFocus();
}

void FltkRenderer::TopLevelDestroyed(Window& window) {
    auto* top = static_cast<TopLevelWindow*>(m_widgets.NativeOf(&window));
    if (top == nullptr) return;
    m_widgets.Forget(window);
    top->hide();
    // The window may be closing from inside one of its own widgets' event
    // handlers: FLTK deletes it once that handler has returned.
    Fl::delete_widget(top);
    // Give the keyboard back to the newest window still open.
    Window* newest = NewestOtherOpenWindow(window);
    TopLevelWindow* below = newest != nullptr ? TopLevelOf(*newest) : nullptr;
    if (below != nullptr && below->shown() && below->visible()) {
        XSetInputFocus(fl_display, fl_xid(below), RevertToParent, CurrentTime);
        below->ApplyModelFocus();
    }
}

void FltkRenderer::WindowChanged(Window& window, unsigned changes) {
    Fl_Widget* widget = m_widgets.NativeOf(&window);
    if (widget == nullptr) return;
    if (window.IsTopLevel()) {
        auto* top = static_cast<TopLevelWindow*>(widget);
        if (changes & kChangeText) CopyTitle(*top, window);
        if (changes & kChangeBusy) {
            top->cursor(window.IsBusy() ? FL_CURSOR_WAIT : FL_CURSOR_DEFAULT);
        }
        if (changes & kChangeRect) {
            PixelRect rect = UnitsToPixels(window.Rect());
            top->size(rect.w, rect.h);
            if (window.Role() == WindowRole::Sheet) PlaceSeparator(window);
        }
        top->redraw();
        return;
    }
    if (changes & kChangeRect) {
        Fl_Group* group = widget->parent();
        PixelRect rect = UnitsToPixels(window.Rect());
        Origin origin = OriginOf(group);
        widget->resize(origin.x + rect.x, origin.y + rect.y, rect.w, rect.h);
        if (group != nullptr) group->redraw();
    }
    if (changes & kChangeVisible) {
        if (window.IsVisible()) {
            widget->show();
        } else {
            widget->hide();
        }
        if (widget->parent() != nullptr) widget->parent()->redraw();
    }
    if (changes & (kChangeText | kChangeFont | kChangeEnabled)) {
        if (auto* field = dynamic_cast<EditField*>(widget)) field->Refresh();
    }
    // Which button wears the default frame depends on the others' state.
    constexpr unsigned kButtonStates = kChangeEnabled | kChangeVisible | kChangeDefault;
    TopLevelWindow* top = TopLevelOf(window);
    if (window.Kind() == ControlKind::PushButton && (changes & kButtonStates) && top != nullptr) {
        top->redraw();
    } else {
        widget->redraw();
    }
}

void FltkRenderer::FocusChanged(Window& topLevel, Window*) {
    TopLevelWindow* top = TopLevelOf(topLevel);
    if (top == nullptr) return;
    // The focus rectangle moves, and with it the default frame when the
    // focus enters or leaves a push button: the window is drawn again.
    top->redraw();
    if (top->shown()) top->ApplyModelFocus();
}

void FltkRenderer::PollEvents() {
    Fl::check();
}

void FltkRenderer::WaitForEvents(Window&) {
    if (!MessageQueue::Instance().IsEmpty()) {
        Fl::flush();
        return;
    }
    // Wakes for X events, or when Wake writes FLTK's wake-up pipe.
    Fl::wait(1e20);
}

void FltkRenderer::Wake() {
    Fl::awake();
}

}  // namespace ui::fltk
