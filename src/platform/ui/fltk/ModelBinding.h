// What a widget knows of the model window it shows: only its handle. The
// widget reads the window's state each time it draws, so it never shows a
// stale copy, and a window that died draws nothing.
#pragma once

#include <string_view>

#include "platform/ui/Window.h"

namespace ui::fltk {

class ModelBinding {
  public:
    explicit ModelBinding(HWND window) : m_window(window) {}

    HWND Handle() const { return m_window; }
    // The live model window, or nullptr.
    Window* Model() const { return Window::FromHandle(m_window); }
    // True when the model window is its top-level window's focus.
    bool HasModelFocus() const;

  private:
    HWND m_window;
};

// The window's text, as the drawing functions take it.
inline std::string_view TextOf(const Window& window) {
    return {window.Text().GetString(), static_cast<std::size_t>(window.Text().GetLength())};
}

}  // namespace ui::fltk
