#include "app/LayoutPictures.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "capture/JpegCodec.h"
#include "editors/TFlatImageList.h"
#include "platform/Error.h"
#include "platform/Resources.h"

namespace lymn {

namespace {

// The name a picture drawn for the scale is stored under: NAME@Nx above scale 1.
std::string scaledName(const std::string& name, int scale) {
    return scale > 1 ? name + "@" + std::to_string(scale) + "x" : name;
}

}  // namespace

Bitmap pageBackground(int scale) {
    static constexpr uint32_t kRows[4] = {0xEFEFEF, 0xE8E8E8, 0xEFEFEF, 0xFFFFFF};
    Bitmap b(454, 519, colors::black, scale);
    for (int y = 0; y < b.deviceHeight(); ++y)
        std::fill(b.row(y), b.row(y) + b.deviceWidth(), Color::rgb(kRows[y / scale % 4]).pixel());
    return b;
}

namespace {

const Color kGlyphFill = Color::rgb(0x9EBEF5);

Bitmap glyphFrame(int scale) {
    Bitmap g(17, 8, kGlyphFill, scale);
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

Bitmap upGlyph(int scale) {
    Bitmap g = glyphFrame(scale);
    for (int x = 0; x < 17; ++x) g.setColor(x, 7, colors::white);
    triangleRow(g, 2, 0);
    triangleRow(g, 3, 1);
    triangleRow(g, 4, 2);
    return g;
}

Bitmap downGlyph(int scale) {
    Bitmap g = glyphFrame(scale);
    triangleRow(g, 3, 2);
    triangleRow(g, 4, 1);
    triangleRow(g, 5, 0);
    return g;
}

void loadImageList(TFlatImageList& list, const char* name, int count, int scale) {
    list.setScale(scale);
    for (int i = 0; i < count; ++i) {
        char resource[64];
        std::snprintf(resource, sizeof resource, "%s_%02d", name, i);
        const auto scaled = resources::find(scaledName(resource, scale));
        if (!scaled.empty()) {
            list.addStored(TFlatImageList::storedForm(scaled));
            continue;
        }
        // None drawn for the scale: the scale-1 picture, enlarged.
        const auto bmp = resources::find(resource);
        if (bmp.empty()) throw Error(std::string("Resource ") + resource + " not found");
        list.add(Bitmap::fromBmp(bmp));
    }
}

Bitmap communityLogo(int scale) {
    if (const auto scaled = resources::find(scaledName("LOGO", scale)); !scaled.empty()) {
        Bitmap logo = jpeg::decode(scaled);
        logo.setScale(scale);
        return logo;
    }
    const auto bytes = resources::find("LOGO");
    if (bytes.empty()) throw Error("Resource LOGO not found");
    return jpeg::decode(bytes);
}

Bitmap programIcon() {
    const auto bytes = resources::find("MAINICON");
    return bytes.empty() ? Bitmap() : Bitmap::fromBmp(bytes);
}

}  // namespace lymn
