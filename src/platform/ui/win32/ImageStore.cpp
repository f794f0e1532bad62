#include "platform/ui/win32/ImageStore.h"

#include <cstdint>
#include <cstring>
#include <functional>

#include "platform/ui/win32/BitmapPixels.h"
#include "platform/ui/win32/WindowsApi.h"

namespace ui::win32 {

namespace {

// A top-down 32-bit DIB section holding `bgra`; nullptr on failure.
HBITMAP DibFrom(const std::vector<std::uint8_t>& bgra, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib != nullptr) std::memcpy(bits, bgra.data(), bgra.size());
    return dib;
}

Rgb FaceColour() {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(face), GetGValue(face), GetBValue(face)};
}

}  // namespace

std::size_t ImageStore::PictureKeyHash::operator()(const PictureKey& key) const {
    std::uint64_t mixed = (static_cast<std::uint64_t>(key.id) << 32) ^
                          (static_cast<std::uint64_t>(key.width) << 16) ^
                          static_cast<std::uint64_t>(key.height);
    return std::hash<std::uint64_t>{}(mixed);
}

HBITMAP ImageStore::Picture(UINT id, int width, int height) {
    PictureKey key{id, width, height};
    if (auto it = m_pictures.find(key); it != m_pictures.end()) return it->second.get();
    std::vector<std::uint8_t> bgra =
        BgraPixels(LoadResourceBitmap(id), width, height, FaceColour());
    HBITMAP bitmap = bgra.empty() ? nullptr : DibFrom(bgra, width, height);
    if (bitmap != nullptr) m_pictures.emplace(key, OwnedBitmap(bitmap));
    return bitmap;
}

HICON ImageStore::ProgramIcon(IconSize kind) {
    int size = GetSystemMetrics(kind == IconSize::Large ? SM_CXICON : SM_CXSMICON);
    if (size <= 0) return nullptr;
    if (auto it = m_icons.find(size); it != m_icons.end()) return it->second.get();
    std::vector<std::uint8_t> bgra =
        BgraPixels(LoadResourceBitmap(kProgramIconId), size, size, std::nullopt);
    if (bgra.empty()) return nullptr;
    HBITMAP colour = DibFrom(bgra, size, size);
    // The alpha channel decides what shows; the mask only has to exist.
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = colour != nullptr && mask != nullptr ? CreateIconIndirect(&info) : nullptr;
    if (colour != nullptr) DeleteObject(colour);
    if (mask != nullptr) DeleteObject(mask);
    if (icon != nullptr) m_icons.emplace(size, OwnedIcon(icon));
    return icon;
}

}  // namespace ui::win32
