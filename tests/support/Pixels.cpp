#include "tests/support/Pixels.h"

#include <cstdio>

#include "platform/PngWriter.h"

namespace lymn::test {

Rect inkBox(const Bitmap& b, const Rect& r, Color background) {
    Rect box;
    const Rect c = r.intersected(b.rect());
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x)
            if (b.color(x, y) != background) box = box.united(Rect::xywh(x, y, 1, 1));
    return box;
}

int countColor(const Bitmap& b, const Rect& r, Color col) {
    int n = 0;
    const Rect c = r.intersected(b.rect());
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x)
            if (b.color(x, y) == col) ++n;
    return n;
}

bool allColor(const Bitmap& b, const Rect& r, Color col) {
    return countColor(b, r, col) ==
           r.intersected(b.rect()).width() * r.intersected(b.rect()).height();
}

std::string hex(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%06X", c.hex());
    return buf;
}

bool blockIs(const Bitmap& b, int x, int y, Color c) {
    const int n = b.scale();
    for (int dy = 0; dy < n; ++dy)
        for (int dx = 0; dx < n; ++dx)
            if (Color::fromPixel(b.devicePixel(x * n + dx, y * n + dy)) != c) return false;
    return true;
}

std::optional<Point> firstBlockDifference(const Bitmap& one, const Bitmap& scaled, const Rect& r) {
    const Rect c = r.intersected(one.rect()).intersected(scaled.rect());
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x)
            if (!blockIs(scaled, x, y, one.color(x, y))) return Point{x, y};
    return std::nullopt;
}

void savePng(const Bitmap& b, const std::string& path) {
    png::write(b, path);
}

}  // namespace lymn::test
