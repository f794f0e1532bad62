// The pixels of a window as captured from the screen, for comparing states
// of a window and probing the colour at computed positions.
#pragma once

#include <string>

namespace e2e {

class WindowImage {
  public:
    WindowImage() = default;
    // Parses a binary PPM (P6, 8 bits per channel); an empty image when the
    // data is not one.
    static WindowImage FromPpm(const std::string& ppm);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    // "#RRGGBB" of a pixel, "" outside the image.
    std::string Colour(int x, int y) const;
    // True when every pixel of the rectangle has colour `colour`.
    bool Filled(int x, int y, int w, int h, const std::string& colour) const;
    // How many pixels of the rectangle differ from the same ones of `other`
    // (pixels outside either image count as different).
    int CountDifferences(const WindowImage& other, int x, int y, int w, int h) const;
    // How many pixels of the rectangle are darker than mid-grey (text).
    int CountDark(int x, int y, int w, int h) const;
    // How many pixels of the rectangle are not `colour`.
    int CountOther(int x, int y, int w, int h, const std::string& colour) const;

  private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    const unsigned char* Pixel(int x, int y) const;

    int m_width = 0;
    int m_height = 0;
    std::string m_rgb;
};

}  // namespace e2e
