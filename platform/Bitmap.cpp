#include "platform/Bitmap.h"

#include <cstring>
#include <string>

#include "platform/ByteWriter.h"
#include "platform/Error.h"

namespace lymn {

namespace {

uint32_t le16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8);
}

uint32_t le32(std::span<const uint8_t> b, size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}

}  // namespace

Bitmap::Bitmap(int width, int height, Color fill, int scale) {
    resize(width, height, fill, scale);
}

void Bitmap::resize(int width, int height, Color fill, int scale) {
    if (scale < 1) throw Error("Bitmap scale must be at least 1");
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    scale_ = scale;
    pixels_.assign(static_cast<size_t>(deviceWidth()) * deviceHeight(), fill.pixel());
}

void Bitmap::setScale(int scale) {
    if (scale == scale_) return;
    const int w = deviceWidth(), h = deviceHeight();
    if (scale < 1 || w % scale != 0 || h % scale != 0)
        throw Error("Bitmap of " + std::to_string(w) + " x " + std::to_string(h) +
                    " pixels cannot have scale " + std::to_string(scale));
    width_ = w / scale;
    height_ = h / scale;
    scale_ = scale;
}

void Bitmap::setPixel(int x, int y, uint32_t p) {
    for (int dy = 0; dy < scale_; ++dy) {
        uint32_t* r = row(y * scale_ + dy) + x * scale_;
        std::fill(r, r + scale_, p);
    }
}

Bitmap Bitmap::copy(const Rect& r) const {
    const Rect c = r.intersected(rect());
    Bitmap out(c.width(), c.height(), colors::black, scale_);
    const int s = scale_;
    for (int y = 0; y < out.deviceHeight(); ++y)
        std::memcpy(out.row(y), row(c.top * s + y) + c.left * s,
                    sizeof(uint32_t) * out.deviceWidth());
    return out;
}

Bitmap Bitmap::fromBmp(std::span<const uint8_t> b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') throw Error("Bitmap image is not valid");
    const uint32_t offset = le32(b, 10);
    const uint32_t headerSize = le32(b, 14);
    const auto width = static_cast<int32_t>(le32(b, 18));
    const auto rawHeight = static_cast<int32_t>(le32(b, 22));
    const uint32_t bpp = le16(b, 28);
    const uint32_t compression = le32(b, 30);
    if (width <= 0 || rawHeight == 0 || width > 16384 || rawHeight > 16384 || rawHeight < -16384)
        throw Error("Bitmap image is not valid");
    if ((bpp != 24 && bpp != 32 && bpp != 8) || (compression != 0 && compression != 3))
        throw Error("Bitmap image is not valid");
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    if (offset > b.size() || b.size() - offset < stride * height)
        throw Error("Bitmap image is not valid");
    const size_t palette = 14 + headerSize;
    if (bpp == 8 && palette + 1024 > b.size()) throw Error("Bitmap image is not valid");

    Bitmap out(width, height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = b.data() + offset + stride * (bottomUp ? height - 1 - y : y);
        uint32_t* dst = out.row(y);
        for (int x = 0; x < width; ++x) {
            if (bpp == 8) {
                const uint8_t* e = b.data() + palette + 4 * src[x];
                dst[x] = Color{e[2], e[1], e[0]}.pixel();
            } else if (bpp == 24) {
                dst[x] = Color{src[3 * x + 2], src[3 * x + 1], src[3 * x]}.pixel();
            } else {
                const uint8_t* p = src + 4 * x;
                dst[x] = (static_cast<uint32_t>(p[3]) << 24) | Color{p[2], p[1], p[0]}.hex();
            }
        }
    }
    return out;
}

std::vector<uint8_t> Bitmap::toBmp(int bitsPerPixel) const {
    const int bpp = bitsPerPixel == 32 ? 32 : 24;
    const int width = deviceWidth(), height = deviceHeight();
    const size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    const auto imageSize = static_cast<uint32_t>(stride * height);
    ByteWriter w;
    w.reserve(54 + imageSize);
    w.u8('B');
    w.u8('M');
    w.u32(54 + imageSize);
    w.u32(0);
    w.u32(54);
    w.u32(40);
    w.i32(width);
    w.i32(height);
    w.u16(1);
    w.u16(static_cast<uint16_t>(bpp));
    w.u32(0);
    w.u32(imageSize);
    w.u32(3780);  // 96 pixels per inch
    w.u32(3780);
    w.u32(0);
    w.u32(0);
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* src = row(y);
        size_t written = 0;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = src[x];
            w.u8(static_cast<uint8_t>(p));
            w.u8(static_cast<uint8_t>(p >> 8));
            w.u8(static_cast<uint8_t>(p >> 16));
            written += 3;
            if (bpp == 32) {
                w.u8(static_cast<uint8_t>(p >> 24));
                ++written;
            }
        }
        for (; written < stride; ++written) w.u8(0);
    }
    return w.take();
}

}  // namespace lymn
