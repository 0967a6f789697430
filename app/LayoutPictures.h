#pragma once

#include "platform/Bitmap.h"

namespace lymn {

// The credit line under the buttons.
inline constexpr char kCreditLine[] = "岚渊角色模拟器 测试版 · 开发组制作";
// The community web page the logo opens.
inline constexpr char kCommunityAddress[] = "https://www.qarno.com/lymn/";
inline constexpr char kLogoHint[] = "点我立刻进入岚渊Qarno专区";

// The pictures of the window's layout that are drawn by rule.
// The page background: 454 x 519, rows #EFEFEF, #E8E8E8, #EFEFEF, #FFFFFF repeated.
Bitmap pageBackground();
// The point buttons' glyphs: 17 x 8, a #9EBEF5 fill in a one-pixel white border with a black
// triangle of widths 5, 3 and 1 centred on column 8.
Bitmap upGlyph();
Bitmap downGlyph();

class TFlatImageList;
// Fills a picture list with the pictures stored under NAME_00, NAME_01, ... (32-bit bitmaps).
void loadImageList(TFlatImageList& list, const char* name, int count);
// The community logo (a JPEG of 160 x 60) and the program's icon (48 x 48, with alpha).
Bitmap communityLogo();
Bitmap programIcon();

}  // namespace lymn
