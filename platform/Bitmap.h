#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/PixelAllocator.h"

namespace lymn {

// A 32-bit picture, pixels 0xAARRGGBB, rows top to bottom.
class Bitmap {
  public:
    using Pixels = std::vector<uint32_t, PixelAllocator<uint32_t>>;

    Bitmap() = default;
    Bitmap(int width, int height, Color fill = colors::black);

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect rect() const { return Rect::ofSize(size()); }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    uint32_t pixel(int x, int y) const { return pixels_[index(x, y)]; }
    Color color(int x, int y) const { return Color::fromPixel(pixel(x, y)); }
    void setPixel(int x, int y, uint32_t p) { pixels_[index(x, y)] = p; }
    void setColor(int x, int y, Color c) { setPixel(x, y, c.pixel()); }
    uint32_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    Pixels& pixels() { return pixels_; }
    const Pixels& pixels() const { return pixels_; }

    void resize(int width, int height, Color fill = colors::black);
    Bitmap copy(const Rect& r) const;

    // Device-independent bitmap file ("BM"): 24- or 32-bit, uncompressed, either row order;
    // 8-bit paletted files too. Raises an Error for anything else.
    static Bitmap fromBmp(std::span<const uint8_t> bytes);
    // Writes a BMP file, rows bottom-up, 24 or 32 bits per pixel.
    std::vector<uint8_t> toBmp(int bitsPerPixel = 24) const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

  private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    Pixels pixels_;
};

}  // namespace lymn
