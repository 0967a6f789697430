#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace lymn {

// A list of pictures of one size. Each picture is kept as its stored form: a 4-byte
// little-endian length followed by a bitmap file of that length (32 bits per pixel, rows
// bottom-up, blue-green-red-alpha). The size is in layout units; the pictures have the list's
// scale, so a stored bitmap file has scale x scale pixels a unit.
class TFlatImageList {
  public:
    TFlatImageList(int width = 32, int height = 32) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int count() const { return static_cast<int>(data_.size()); }
    int scale() const { return scale_; }
    // The scale of the pictures to come; raises an Error for a list that holds pictures at
    // another scale.
    void setScale(int scale);

    // A picture's stored form: a 4-byte length, then the bitmap file.
    static std::vector<uint8_t> storedForm(std::span<const uint8_t> bmp);
    // Adds a picture (cut or padded to the list's size, taken to its scale pixel by nearest
    // pixel); returns its index.
    int add(const Bitmap& picture);
    // Adds a picture from its stored form; raises an Error when it is not one, or not of the
    // list's size at its scale.
    int addStored(std::span<const uint8_t> data);
    // The same, keeping the given bytes rather than a copy.
    int addStored(std::vector<uint8_t>&& data);
    const std::vector<uint8_t>& stored(int index) const {
        return data_.at(static_cast<size_t>(index));
    }
    const Bitmap& picture(int index) const { return pictures_.at(static_cast<size_t>(index)); }
    // Draws picture index with its top-left at p, greyed when not enabled; an index outside
    // the list draws nothing.
    void draw(Canvas& canvas, int index, Point p, bool enabled = true) const;

  private:
    int width_;
    int height_;
    int scale_ = 1;
    std::vector<std::vector<uint8_t>> data_;
    std::vector<Bitmap> pictures_;
};

}  // namespace lymn
