// The window class of the renderer's own windows: top-level dialogs, the
// wizard sheet and the sheet's pages. Its procedure turns the controls'
// notifications, the close box and activation into NativeEvents, shows the
// wait cursor over a busy window, and paints a sheet's separator line. It
// never runs the dialog manager: no IsDialogMessage, no default handling of
// keys, so the model alone decides what input does.
#pragma once

#include <string_view>

#include "platform/Types.h"
#include "platform/ui/win32/DialogUnits.h"

using HICON = struct HICON__*;

namespace ui::win32 {

class NativeEvents;

class WindowClass {
  public:
    // Registers the class; `events` must outlive every window made from it.
    explicit WindowClass(NativeEvents& events);
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;
    ~WindowClass();

    // Windows of the class can be made.
    bool IsRegistered() const { return m_atom != 0; }
    // A hidden top-level window titled `title` whose client area is
    // `width` x `height` pixels, owned by `owner` (nullptr: none).
    HWND CreateTopLevel(std::string_view title, int width, int height, HWND owner) const;
    // A child window of `parent` that holds a page's controls.
    HWND CreatePage(HWND parent, PixelRect rect, bool visible, bool enabled) const;
    // True when `window` is one of this class's windows or inside one.
    bool Owns(HWND window) const;

    // The wait cursor shows over the top-level window and its children.
    static void SetBusy(HWND topLevel, bool busy);
    // A sheet's etched line, in client pixels, painted from now on.
    static void SetSeparator(HWND topLevel, PixelRect line);
    static void SetIcons(HWND topLevel, HICON big, HICON small);
    // Makes the client area `width` x `height` pixels.
    static void ResizeClient(HWND topLevel, int width, int height);
    // Centres the window over `over`, or on the work area when `over` is
    // nullptr, then shows and activates it.
    static void Show(HWND topLevel, HWND over);
    // Destroys the window without hiding it first.
    static void Destroy(HWND topLevel);

  private:
    NativeEvents& m_events;
    unsigned short m_atom = 0;
};

}  // namespace ui::win32
