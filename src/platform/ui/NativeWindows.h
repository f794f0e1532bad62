// Which native window (a Win32 window, an FLTK widget) shows each model
// window, for a screen renderer: looked up both ways, and forgotten a whole
// window tree at a time, as the model announces and destroys whole trees.
#pragma once

#include <unordered_map>

#include "platform/ui/Window.h"

namespace ui {

template <typename Native>
class NativeWindows {
  public:
    // `native` shows `model` from now on.
    void Remember(const Window& model, Native native) {
        m_native[model.Handle()] = native;
        m_model[native] = model.Handle();
    }
    // Forgets `model` and every window below it.
    void Forget(const Window& model) {
        for (const std::unique_ptr<Window>& child : model.Children()) Forget(*child);
        auto it = m_native.find(model.Handle());
        if (it == m_native.end()) return;
        m_model.erase(it->second);
        m_native.erase(it);
    }
    // What shows `model`; a null Native for none, or for no model.
    Native NativeOf(const Window* model) const {
        if (model == nullptr) return Native{};
        auto it = m_native.find(model->Handle());
        return it == m_native.end() ? Native{} : it->second;
    }
    // The model window that `native` shows; nullptr for none, or once it is destroyed.
    Window* ModelOf(Native native) const {
        auto it = m_model.find(native);
        return it == m_model.end() ? nullptr : Window::FromHandle(it->second);
    }

  private:
    std::unordered_map<HWND, Native> m_native;  // model handle -> native
    std::unordered_map<Native, HWND> m_model;   // native -> model handle
};

}  // namespace ui
