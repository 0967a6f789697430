#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/Bitmap.h"

namespace lymn::art {

// The layout's own pictures: the two picture lists of the pickers (framed portraits and the
// lantern; the lantern and the profession emblems), the community logo and the program's icon.
// Sizes are layout units; the icons are drawn at scale 1 only.
struct LayoutPictures {
    std::vector<Bitmap> imageList1;  // 21 pictures of 32 x 32
    std::vector<Bitmap> imageList2;  // 9 pictures of 32 x 32
    Bitmap logo;                     // 160 x 60
    std::vector<uint8_t> logoJpeg;   // its device pixels
    Bitmap icon;                     // 48 x 48, with alpha
    // The icon at each size of the desktop's icon theme (kIconSizes), 48 being the one above.
    std::map<int, Bitmap> icons;
};

inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Drawn from the colour emoji font (Noto Color Emoji) and by rule, at the scale.
LayoutPictures layoutPictures(int scale = 1);

}  // namespace lymn::art
