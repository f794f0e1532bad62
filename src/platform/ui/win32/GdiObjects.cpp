#include "platform/ui/win32/GdiObjects.h"

#include "platform/ui/win32/WindowsApi.h"

namespace ui::win32 {

void GdiObjectDeleter::operator()(void* object) const {
    DeleteObject(static_cast<HGDIOBJ>(object));
}

void IconDeleter::operator()(HICON icon) const {
    DestroyIcon(icon);
}

}  // namespace ui::win32
