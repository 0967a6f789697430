#include "editors/TFlatImageList.h"

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/Error.h"

namespace lymn {

std::vector<uint8_t> TFlatImageList::storedForm(std::span<const uint8_t> bmp) {
    ByteWriter w;
    w.reserve(4 + bmp.size());
    w.u32(static_cast<uint32_t>(bmp.size()));
    w.raw(bmp.data(), bmp.size());
    return w.take();
}

int TFlatImageList::add(const Bitmap& picture) {
    Bitmap fitted(width_, height_, colors::white);
    for (int y = 0; y < std::min(height_, picture.height()); ++y)
        for (int x = 0; x < std::min(width_, picture.width()); ++x)
            fitted.setPixel(x, y, picture.pixel(x, y) | 0xFF000000u);
    data_.push_back(storedForm(fitted.toBmp(32)));
    pictures_.push_back(std::move(fitted));
    return count() - 1;
}

int TFlatImageList::addStored(std::span<const uint8_t> data) {
    return addStored(std::vector<uint8_t>(data.begin(), data.end()));
}

int TFlatImageList::addStored(std::vector<uint8_t>&& data) {
    if (data.size() < 4) throw Error("Invalid image list data");
    const uint32_t n = ByteReader(data).u32();
    if (n != data.size() - 4) throw Error("Invalid image list data");
    Bitmap picture = Bitmap::fromBmp(std::span<const uint8_t>(data).subspan(4));
    if (picture.width() != width_ || picture.height() != height_) throw Error("Invalid image size");
    data_.push_back(std::move(data));
    pictures_.push_back(std::move(picture));
    return count() - 1;
}

void TFlatImageList::draw(Canvas& c, int index, Point p, bool enabled) const {
    if (index < 0 || index >= count()) return;
    const Bitmap& pic = pictures_[static_cast<size_t>(index)];
    if (enabled) {
        c.drawBitmap(pic, p);
        return;
    }
    // Greyed: the picture's brightness, lightened halfway towards the button face.
    const Color face = sysColor(SysColor::ButtonFace);
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            const Color col = pic.color(x, y);
            const auto grey = static_cast<uint8_t>((col.r * 30 + col.g * 59 + col.b * 11) / 100);
            c.setPixel(p.x + x, p.y + y, blend(Color{grey, grey, grey}, face, 128));
        }
}

}  // namespace lymn
