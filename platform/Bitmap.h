#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/PixelAllocator.h"

namespace lymn {

// A 32-bit picture, pixels 0xAARRGGBB, rows top to bottom.
// Its size is in layout units; each unit is scale x scale device pixels, so that a window drawn
// at twice the density keeps its layout. Coordinates of pixel() and color() are layout units
// (the top-left device pixel of the unit); rows and devicePixel() are device pixels.
class Bitmap {
  public:
    using Pixels = std::vector<uint32_t, PixelAllocator<uint32_t>>;

    Bitmap() = default;
    Bitmap(int width, int height, Color fill = colors::black, int scale = 1);

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect rect() const { return Rect::ofSize(size()); }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    int scale() const { return scale_; }
    int deviceWidth() const { return width_ * scale_; }
    int deviceHeight() const { return height_ * scale_; }
    Rect deviceRect() const { return Rect::xywh(0, 0, deviceWidth(), deviceHeight()); }
    // The same pixels seen at another scale: the device size must be a multiple of it.
    void setScale(int scale);

    uint32_t pixel(int x, int y) const { return pixels_[index(x * scale_, y * scale_)]; }
    Color color(int x, int y) const { return Color::fromPixel(pixel(x, y)); }
    // Sets the unit's whole block of device pixels.
    void setPixel(int x, int y, uint32_t p);
    void setColor(int x, int y, Color c) { setPixel(x, y, c.pixel()); }
    uint32_t devicePixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setDevicePixel(int x, int y, uint32_t p) { pixels_[index(x, y)] = p; }
    uint32_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * deviceWidth(); }
    const uint32_t* row(int y) const {
        return pixels_.data() + static_cast<size_t>(y) * deviceWidth();
    }
    Pixels& pixels() { return pixels_; }
    const Pixels& pixels() const { return pixels_; }

    void resize(int width, int height, Color fill = colors::black, int scale = 1);
    // The part r (layout units) at the same scale.
    Bitmap copy(const Rect& r) const;

    // Device-independent bitmap file ("BM"): 24- or 32-bit, uncompressed, either row order;
    // 8-bit paletted files too. Raises an Error for anything else.
    static Bitmap fromBmp(std::span<const uint8_t> bytes);
    // Writes a BMP file of the device pixels, rows bottom-up, 24 or 32 bits per pixel.
    std::vector<uint8_t> toBmp(int bitsPerPixel = 24) const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

  private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * deviceWidth() + x; }

    int width_ = 0;
    int height_ = 0;
    int scale_ = 1;
    Pixels pixels_;
};

}  // namespace lymn
