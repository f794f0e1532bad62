#include "platform/ui/win32/Win32Renderer.h"

#include <cstring>

#include "platform/ui/Input.h"
#include "platform/ui/KeyRouting.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalLoop.h"
#include "platform/ui/ModelReading.h"
#include "platform/ui/win32/Controls.h"

namespace ui::win32 {

namespace {

// The model's font description as the font cache takes it.
FontKey FontKeyOf(const LOGFONT& lf) {
    std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    return {static_cast<int>(lf.lfHeight), static_cast<int>(lf.lfWeight), lf.lfItalic != 0, face};
}

std::string_view TextView(const Window& window) {
    return window.Text().str();
}

}  // namespace

std::unique_ptr<Win32Renderer> Win32Renderer::Open() {
    if (!InitialiseControls()) return nullptr;
    std::unique_ptr<Win32Renderer> renderer(new Win32Renderer());
    if (!renderer->m_class.IsRegistered() || !renderer->m_pump.IsReady()) return nullptr;
    return renderer;
}

Win32Renderer::Win32Renderer() = default;

Win32Renderer::~Win32Renderer() {
    // Windows still open go before the classes and the GDI objects they use.
    for (Window* window : OpenTopLevelWindows()) {
        if (HWND native = m_natives.NativeOf(window)) WindowClass::Destroy(native);
    }
}

BaseUnits Win32Renderer::UnitsOf(Window& container) {
    return m_fonts.UnitsOf(FontKeyOf(container.Font()));
}

HWND Win32Renderer::OwnerOf(Window& window) const {
    return m_natives.NativeOf(OpensOver(window));
}

void Win32Renderer::TopLevelCreated(Window& window) {
    PixelRect rect = UnitsToPixels(window.Rect(), UnitsOf(window));
    HWND native = m_class.CreateTopLevel(TextView(window), rect.w, rect.h, OwnerOf(window));
    if (native == nullptr) return;
    m_natives.Remember(window, native);
    WindowClass::SetIcons(native, m_images.ProgramIcon(IconSize::Large),
                          m_images.ProgramIcon(IconSize::Small));
    BuildChildren(window, native);
    if (window.Role() == WindowRole::Sheet) PlaceSeparator(window);
    ApplyDefaultFrames(window);
}

void Win32Renderer::ChildCreated(Window& child) {
    HWND parent = m_natives.NativeOf(child.Parent());
    if (parent == nullptr) return;
    AddNative(child, parent);
    Window* topLevel = child.TopLevel();
    if (topLevel == nullptr) return;
    if (topLevel->Role() == WindowRole::Sheet) PlaceSeparator(*topLevel);
    ApplyDefaultFrames(*topLevel);
}

void Win32Renderer::BuildChildren(Window& model, HWND parent) {
    for (const std::unique_ptr<Window>& child : model.Children()) AddNative(*child, parent);
}

void Win32Renderer::AddNative(Window& child, HWND parent) {
    PixelRect rect = UnitsToPixels(child.Rect(), UnitsOf(*child.Parent()));
    if (child.Role() == WindowRole::Page) {
        HWND page = m_class.CreatePage(parent, rect, child.IsVisible(), child.IsEnabled());
        if (page == nullptr) return;
        m_natives.Remember(child, page);
        BuildChildren(child, page);
        return;
    }
    ControlPlan plan{child.Kind(), child.Style(),     TextView(child),
                     rect,         child.IsVisible(), child.IsEnabled()};
    HWND control = CreateControl(parent, plan);
    if (control == nullptr) return;
    m_natives.Remember(child, control);
    ApplyFont(child, control);
    switch (child.Kind()) {
        case ControlKind::Picture:
            SetPicture(control, m_images.Picture(child.ImageId(), rect.w, rect.h));
            break;
        case ControlKind::ProgressBar:
            SetProgress(control, child.ProgressLow(), child.ProgressHigh(), child.ProgressPos());
            break;
        case ControlKind::AutoCheckBox:
        case ControlKind::AutoRadioButton:
            SetCheck(control, child.Check());
            break;
        default:
            break;
    }
}

void Win32Renderer::ApplyFont(Window& model, HWND native) {
    SetFont(native, m_fonts.Get(FontKeyOf(model.Font())));
}

void Win32Renderer::PlaceSeparator(Window& sheet) {
    HWND native = m_natives.NativeOf(&sheet);
    if (native == nullptr) return;
    if (std::optional<PixelRect> line = SeparatorOf(sheet, UnitsOf(sheet), 1)) {
        WindowClass::SetSeparator(native, *line);
    }
}

void Win32Renderer::TopLevelShown(Window& window) {
    HWND native = m_natives.NativeOf(&window);
    if (native == nullptr) return;
    WindowClass::Show(native, OwnerOf(window));
    // The default button is judged among visible controls: while the
    // window was hidden, none of its buttons could be it.
    ApplyDefaultFrames(window);
    ApplyFocus(window);
}

void Win32Renderer::TopLevelDestroyed(Window& window) {
    HWND native = m_natives.NativeOf(&window);
    if (native == nullptr) return;
    bool wasActive = IsActive(native);
    m_natives.Forget(window);
    WindowClass::Destroy(native);
    // Give the keyboard back to the newest window still open.
    Window* newest = NewestOtherOpenWindow(window);
    HWND below = m_natives.NativeOf(newest);
    if (below == nullptr || !wasActive) return;
    Activate(below);
    ApplyFocus(*newest);
}

void Win32Renderer::ApplyTopLevelChanges(Window& window, HWND native, unsigned changes) {
    if (changes & kChangeText) SetText(native, TextView(window));
    if (changes & kChangeEnabled) SetEnabled(native, window.IsEnabled());
    if (changes & kChangeBusy) WindowClass::SetBusy(native, window.IsBusy());
    if (changes & kChangeRect) {
        PixelRect rect = UnitsToPixels(window.Rect(), UnitsOf(window));
        WindowClass::ResizeClient(native, rect.w, rect.h);
        if (window.Role() == WindowRole::Sheet) PlaceSeparator(window);
    }
    if (changes & kChangeRedraw) Redraw(native);
}

void Win32Renderer::WindowChanged(Window& window, unsigned changes) {
    HWND native = m_natives.NativeOf(&window);
    if (native == nullptr) return;
    if (window.IsTopLevel()) {
        ApplyTopLevelChanges(window, native, changes);
        return;
    }
    if (changes & kChangeRect)
        Move(native, UnitsToPixels(window.Rect(), UnitsOf(*window.Parent())));
    if (changes & kChangeVisible) SetVisible(native, window.IsVisible());
    if (changes & kChangeEnabled) SetEnabled(native, window.IsEnabled());
    if (changes & kChangeText) SetText(native, TextView(window));
    if (changes & kChangeFont) ApplyFont(window, native);
    if (changes & kChangeCheck) SetCheck(native, window.Check());
    if (changes & kChangeProgress) {
        SetProgress(native, window.ProgressLow(), window.ProgressHigh(), window.ProgressPos());
    }
    if (changes & kChangeRedraw) Redraw(native);
    Window* topLevel = window.TopLevel();
    if (topLevel == nullptr) return;
    // The sheet's line follows its button row.
    bool inSheetRow = window.Parent() == topLevel && topLevel->Role() == WindowRole::Sheet;
    if (inSheetRow && (changes & (kChangeRect | kChangeVisible))) PlaceSeparator(*topLevel);
    // Which button wears the default frame depends on the others' state,
    // and on which page is shown.
    constexpr unsigned kFrameStates = kChangeEnabled | kChangeVisible | kChangeDefault;
    if (changes & kFrameStates) ApplyDefaultFrames(*topLevel);
    // Windows drops the focus of a control hidden or disabled under it
    // (a page that goes away); the window keeps it, so keys still arrive.
    if (changes & (kChangeEnabled | kChangeVisible)) ApplyFocus(*topLevel);
}

void Win32Renderer::FocusChanged(Window& topLevel, Window*) {
    ApplyDefaultFrames(topLevel);
    ApplyFocus(topLevel);
}

void Win32Renderer::ApplyFocus(Window& topLevel) {
    HWND native = m_natives.NativeOf(&topLevel);
    if (!IsActive(native)) return;
    // A control that cannot take the focus leaves it with the window, so
    // that keys still reach the model.
    HWND focus = m_natives.NativeOf(topLevel.Focus());
    if (focus == nullptr || !Focus(focus)) Focus(native);
}

void Win32Renderer::ApplyDefaultFrames(Window& container) {
    for (const std::unique_ptr<Window>& child : container.Children()) {
        if (child->Role() == WindowRole::Page) {
            ApplyDefaultFrames(*child);
        } else if (child->Kind() == ControlKind::PushButton) {
            if (HWND native = m_natives.NativeOf(child.get()))
                SetDefaultFrame(native, WearsDefaultFrame(*child));
        }
    }
}

void Win32Renderer::PollEvents() {
    m_pump.Poll();
}

void Win32Renderer::WaitForEvents(Window&) {
    if (!MessageQueue::Instance().IsEmpty()) return;
    m_pump.Wait();
}

void Win32Renderer::Wake() {
    m_pump.Wake();
}

void Win32Renderer::Clicked(HWND control) {
    Window* model = m_natives.ModelOf(control);
    if (model == nullptr) return;
    HWND handle = model->Handle();
    ClickControl(handle);
    // A press the model refused may have left the native focus elsewhere.
    if (Window* still = Window::FromHandle(handle)) {
        if (Window* topLevel = still->TopLevel()) ApplyFocus(*topLevel);
    }
}

void Win32Renderer::EditChanged(HWND edit) {
    Window* model = m_natives.ModelOf(edit);
    if (model == nullptr) return;
    std::string text = TextOf(edit);
    if (text == TextView(*model)) return;
    // A busy window takes no typing: the field shows the model's text again.
    if (!EditText(model->Handle(), text)) SetText(edit, TextView(*model));
}

void Win32Renderer::FocusEntered(HWND control) {
    Window* model = m_natives.ModelOf(control);
    Window* topLevel = model != nullptr ? model->TopLevel() : nullptr;
    if (topLevel == nullptr || topLevel->Focus() == model) return;
    FocusControl(model->Handle());
}

void Win32Renderer::Activated(HWND topLevel) {
    if (Window* model = m_natives.ModelOf(topLevel)) ApplyFocus(*model);
}

void Win32Renderer::CloseBox(HWND topLevel) {
    if (Window* model = m_natives.ModelOf(topLevel)) CloseWindow(model->Handle());
}

bool Win32Renderer::KeyDown(unsigned virtualKey, bool shift, bool alt, bool inEdit) {
    std::optional<KeyCommand> command = CommandFor({virtualKey, shift, alt, inEdit});
    if (!command) return false;
    Deliver(*command);
    return true;
}

void Win32Renderer::Character(wchar_t ch) {
    if (std::optional<char> letter = MnemonicCharacter(ch)) TypeCharacter(*letter);
}

}  // namespace ui::win32
