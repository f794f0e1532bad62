// GDI objects owned through their handles: each is deleted with its owner,
// so a cache that holds them needs no destructor of its own and cannot be
// copied by mistake. Only the handle types are named here, not windows.h.
#pragma once

#include <memory>

using HFONT = struct HFONT__*;
using HBITMAP = struct HBITMAP__*;
using HICON = struct HICON__*;

namespace ui::win32 {

// Deletes a font, bitmap or other GDI object.
struct GdiObjectDeleter {
    void operator()(void* object) const;
};
// Destroys an icon, which is no GDI object.
struct IconDeleter {
    void operator()(HICON icon) const;
};

using OwnedFont = std::unique_ptr<HFONT__, GdiObjectDeleter>;
using OwnedBitmap = std::unique_ptr<HBITMAP__, GdiObjectDeleter>;
using OwnedIcon = std::unique_ptr<HICON__, IconDeleter>;

}  // namespace ui::win32
