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

void TFlatImageList::setScale(int scale) {
    if (scale == scale_) return;
    if (count() > 0) throw Error("The pictures of an image list have one scale");
    scale_ = scale;
}

int TFlatImageList::add(const Bitmap& picture) {
    Bitmap fitted(width_, height_, colors::white, scale_);
    // The picture's device pixel under each of ours.
    const int ps = picture.scale();
    const int h = std::min(height_, picture.height()) * scale_;
    const int w = std::min(width_, picture.width()) * scale_;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            fitted.setDevicePixel(
                x, y, picture.devicePixel(x * ps / scale_, y * ps / scale_) | 0xFF000000u);
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
    if (picture.width() != width_ * scale_ || picture.height() != height_ * scale_)
        throw Error("Invalid image size");
    picture.setScale(scale_);
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
    Bitmap grey(pic.width(), pic.height(), face, pic.scale());
    for (int y = 0; y < pic.deviceHeight(); ++y)
        for (int x = 0; x < pic.deviceWidth(); ++x) {
            const Color col = Color::fromPixel(pic.devicePixel(x, y));
            const auto g = static_cast<uint8_t>((col.r * 30 + col.g * 59 + col.b * 11) / 100);
            grey.setDevicePixel(x, y, blend(Color{g, g, g}, face, 128).pixel());
        }
    c.drawBitmap(grey, p);
}

}  // namespace lymn
