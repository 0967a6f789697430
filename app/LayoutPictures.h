#pragma once

#include "platform/Bitmap.h"

namespace lymn {

// The credit line under the buttons.
inline constexpr char kCreditLine[] = "岚渊角色模拟器 测试版 · 开发组制作";
// The community web page the logo opens.
inline constexpr char kCommunityAddress[] = "https://www.qarno.com/lymn/";
inline constexpr char kLogoHint[] = "点我立刻进入岚渊Qarno专区";

// The pictures of the window's layout. Sizes are layout units; each picture comes at the scale
// asked for (the window's), drawn or stored for that scale.

// The page background: 454 x 519, rows #EFEFEF, #E8E8E8, #EFEFEF, #FFFFFF repeated, a row being
// one unit (scale device rows).
Bitmap pageBackground(int scale = 1);
// The point buttons' glyphs: 17 x 8, a #9EBEF5 fill in a one-unit white border with a black
// triangle of widths 5, 3 and 1 centred on column 8.
Bitmap upGlyph(int scale = 1);
Bitmap downGlyph(int scale = 1);

class TFlatImageList;
// Fills a picture list with the pictures stored under NAME_00, NAME_01, ... (32-bit bitmaps),
// at the scale: those stored as NAME_00@Nx, ..., or the scale-1 ones enlarged where there are
// none. The list takes the scale.
void loadImageList(TFlatImageList& list, const char* name, int count, int scale = 1);
// The community logo (a JPEG of 160 x 60) and the program's icon (48 x 48, with alpha, at scale
// 1 only).
Bitmap communityLogo(int scale = 1);
Bitmap programIcon();

}  // namespace lymn
