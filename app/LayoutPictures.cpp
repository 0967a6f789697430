#include "app/LayoutPictures.h"

#include <cstdio>

#include "capture/JpegCodec.h"
#include "editors/TFlatImageList.h"
#include "platform/Error.h"
#include "platform/Resources.h"

namespace lymn {

Bitmap pageBackground() {
    static constexpr uint32_t kRows[4] = {0xEFEFEF, 0xE8E8E8, 0xEFEFEF, 0xFFFFFF};
    Bitmap b(454, 519);
    for (int y = 0; y < b.height(); ++y)
        std::fill(b.row(y), b.row(y) + b.width(), Color::rgb(kRows[y % 4]).pixel());
    return b;
}

namespace {

const Color kGlyphFill = Color::rgb(0x9EBEF5);

Bitmap glyphFrame() {
    Bitmap g(17, 8, kGlyphFill);
    for (int x = 0; x < 17; ++x) g.setColor(x, 0, colors::white);
    for (int y = 0; y < 8; ++y) {
        g.setColor(0, y, colors::white);
        g.setColor(16, y, colors::white);
    }
    return g;
}

// Row y of the triangle, half-width h, centred on column 8.
void triangleRow(Bitmap& g, int y, int h) {
    for (int x = 8 - h; x <= 8 + h; ++x) g.setColor(x, y, colors::black);
}

}  // namespace

Bitmap upGlyph() {
    Bitmap g = glyphFrame();
    for (int x = 0; x < 17; ++x) g.setColor(x, 7, colors::white);
    triangleRow(g, 2, 0);
    triangleRow(g, 3, 1);
    triangleRow(g, 4, 2);
    return g;
}

Bitmap downGlyph() {
    Bitmap g = glyphFrame();
    triangleRow(g, 3, 2);
    triangleRow(g, 4, 1);
    triangleRow(g, 5, 0);
    return g;
}

void loadImageList(TFlatImageList& list, const char* name, int count) {
    for (int i = 0; i < count; ++i) {
        char resource[64];
        std::snprintf(resource, sizeof resource, "%s_%02d", name, i);
        const auto bmp = resources::find(resource);
        if (bmp.empty()) throw Error(std::string("Resource ") + resource + " not found");
        list.addStored(TFlatImageList::storedForm(bmp));
    }
}

Bitmap communityLogo() {
    const auto bytes = resources::find("LOGO");
    if (bytes.empty()) throw Error("Resource LOGO not found");
    return jpeg::decode(bytes);
}

Bitmap programIcon() {
    const auto bytes = resources::find("MAINICON");
    return bytes.empty() ? Bitmap() : Bitmap::fromBmp(bytes);
}

}  // namespace lymn
