// The renderer that shows the window model with native Win32 controls.
// Every model window becomes one native window laid out from its rectangle
// in dialog units, converted through the measured base units of its
// dialog's font; every change the model reports is mirrored onto it. Input
// goes back through the model's input functions: the model, not the dialog
// manager, decides what clicks and keys do, as on every platform. Only the
// UI thread touches a window; other threads reach it solely through Wake.
#pragma once

#include <memory>

#include "platform/ui/NativeWindows.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/win32/FontCache.h"
#include "platform/ui/win32/ImageStore.h"
#include "platform/ui/win32/MessagePump.h"
#include "platform/ui/win32/NativeEvents.h"
#include "platform/ui/win32/WindowClass.h"

namespace ui::win32 {

class Win32Renderer final : public Renderer, private NativeEvents {
  public:
    // Registers the window classes and prepares the message loop; nullptr
    // when Windows refuses. Prints nothing.
    static std::unique_ptr<Win32Renderer> Open();
    ~Win32Renderer() override;

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
    Win32Renderer();

    // NativeEvents: what the native windows report, as model input.
    void Clicked(HWND control) override;
    void EditChanged(HWND edit) override;
    void FocusEntered(HWND control) override;
    void Activated(HWND topLevel) override;
    void CloseBox(HWND topLevel) override;
    bool KeyDown(unsigned virtualKey, bool shift, bool alt, bool inEdit) override;
    void Character(wchar_t ch) override;

    // Creates the native windows of `model`'s children inside `parent`.
    void BuildChildren(Window& model, HWND parent);
    void AddNative(Window& child, HWND parent);
    // The native window a new or shown top-level window belongs over.
    HWND OwnerOf(Window& window) const;
    BaseUnits UnitsOf(Window& container);
    void ApplyFont(Window& model, HWND native);
    void ApplyTopLevelChanges(Window& window, HWND native, unsigned changes);
    // Gives the native focus to the model's focus, if the window is active.
    void ApplyFocus(Window& topLevel);
    void ApplyDefaultFrames(Window& container);
    void PlaceSeparator(Window& sheet);

    FontCache m_fonts;
    ImageStore m_images;
    WindowClass m_class{*this};
    MessagePump m_pump{m_class, *this};
    NativeWindows<HWND> m_natives;
};

}  // namespace ui::win32
