#pragma once

#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"

namespace lymn::art {

// The layout's own pictures: the two picture lists of the pickers (framed portraits and the
// lantern; the lantern and the profession emblems), the community logo and the program's icon.
struct LayoutPictures {
    std::vector<Bitmap> imageList1;  // 21 pictures of 32 x 32
    std::vector<Bitmap> imageList2;  // 9 pictures of 32 x 32
    Bitmap logo;                     // 160 x 60
    std::vector<uint8_t> logoJpeg;
    Bitmap icon;  // 48 x 48, with alpha
};

// Drawn from the colour emoji font (Noto Color Emoji) and by rule.
LayoutPictures layoutPictures();

}  // namespace lymn::art
