#include "e2e/support/WindowImage.h"

#include <cstdio>
#include <cstring>
#include <sstream>

namespace e2e {

WindowImage WindowImage::FromPpm(const std::string& ppm) {
    std::istringstream in(ppm);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    WindowImage image;
    if (!in || magic != "P6" || maxValue != 255 || width <= 0 || height <= 0) return image;
    in.get();  // the one whitespace byte before the pixels
    std::size_t size = static_cast<std::size_t>(width) * height * 3;
    std::size_t start = static_cast<std::size_t>(in.tellg());
    if (ppm.size() < start + size) return image;
    image.m_width = width;
    image.m_height = height;
    image.m_rgb = ppm.substr(start, size);
    return image;
}

const unsigned char* WindowImage::Pixel(int x, int y) const {
    return reinterpret_cast<const unsigned char*>(m_rgb.data()) +
           (static_cast<std::size_t>(y) * m_width + x) * 3;
}

std::string WindowImage::Colour(int x, int y) const {
    if (!Inside(x, y)) return "";
    const unsigned char* p = Pixel(x, y);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", p[0], p[1], p[2]);
    return text;
}

bool WindowImage::Filled(int x, int y, int w, int h, const std::string& colour) const {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            if (Colour(col, row) != colour) return false;
        }
    }
    return w > 0 && h > 0;
}

int WindowImage::CountDifferences(const WindowImage& other, int x, int y, int w, int h) const {
    int differences = 0;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            if (!Inside(col, row) || !other.Inside(col, row) ||
                std::memcmp(Pixel(col, row), other.Pixel(col, row), 3) != 0) {
                ++differences;
            }
        }
    }
    return differences;
}

int WindowImage::CountDark(int x, int y, int w, int h) const {
    int dark = 0;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            if (!Inside(col, row)) continue;
            const unsigned char* p = Pixel(col, row);
            if (p[0] + p[1] + p[2] < 3 * 100) ++dark;
        }
    }
    return dark;
}

int WindowImage::CountOther(int x, int y, int w, int h, const std::string& colour) const {
    int other = 0;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            if (Colour(col, row) != colour) ++other;
        }
    }
    return other;
}

}  // namespace e2e
