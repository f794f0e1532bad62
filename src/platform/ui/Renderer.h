// The renderer interface: what puts the model on a screen (FLTK, native
// Windows controls) or, in the tests, nowhere, and feeds user input back
// through the functions of platform/ui/Input.h.
//
// The model calls a renderer only on the UI thread. Windows are announced as
// whole trees: a top-level window with all its children, later a page with
// its controls when the sheet creates it. A renderer reads everything it
// draws from ui::Window (role, template, kind, id, text, style, rectangle in
// dialog units, font, enabled, visible, check, progress, default button,
// focus, busy) and is told of every change. It must ignore changes to windows it
// was not told about (a dialog changes while OnInitDialog runs, which is
// after TopLevelCreated and before TopLevelShown, so that case is announced).
#pragma once

#include "platform/ui/Window.h"

namespace ui {

class Renderer {
  public:
    virtual ~Renderer() = default;

    // A top-level window and its children exist; it is not shown yet.
    virtual void TopLevelCreated(Window& window) = 0;
    // A child window tree was added to an announced window (a sheet's page).
    virtual void ChildCreated(Window& child) = 0;
    // The top-level window is initialised: show it, modal over its parent.
    virtual void TopLevelShown(Window& window) = 0;
    // The top-level window and its children are about to be destroyed.
    virtual void TopLevelDestroyed(Window& window) = 0;
    // `window`'s state changed; `changes` is a set of ui::Change bits.
    virtual void WindowChanged(Window& window, unsigned changes) = 0;
    // The keyboard focus of `topLevel` moved to `focus` (nullptr: none).
    virtual void FocusChanged(Window& topLevel, Window* focus) = 0;

    // Handles input already waiting, without blocking. Called by modal loops
    // between posted messages.
    virtual void PollEvents() = 0;
    // Blocks until input arrives or Wake is called (a message was posted
    // from another thread), then handles the input. `modal` is the window
    // whose modal loop is waiting. Returns at once when a message is queued.
    virtual void WaitForEvents(Window& modal) = 0;
    // Called from any thread, at most once per burst of posts from other
    // threads, to end a WaitForEvents. Must be cheap and thread-safe.
    virtual void Wake() = 0;
};

// Makes `renderer` the one the model uses (nullptr: none) and installs its
// Wake as the message queue's wake hook. The renderer must outlive its use.
// UI thread, with no window open.
void SetRenderer(Renderer* renderer);
// The renderer set last. There is no default: without one the process
// reports it on stderr and aborts, since no window could ever be answered.
Renderer& GetRenderer();

}  // namespace ui
