#include "tools/lymn-art/Paint.h"

#include <algorithm>
#include <cmath>

namespace lymn::art {

namespace {

// The device pixels of r (layout units) on a picture of scale n.
Rect devicePixels(const Rect& r, int n) {
    return {r.left * n, r.top * n, r.right * n, r.bottom * n};
}

Color deviceColor(const Bitmap& b, int x, int y) {
    return Color::fromPixel(b.devicePixel(x, y));
}

}  // namespace

Color mix(Color a, Color b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto ch = [t](int x, int y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
    return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

void fill(Bitmap& b, const Rect& r, Color c) {
    const Rect cr = r.intersected(b.rect());
    for (int y = cr.top; y < cr.bottom; ++y)
        for (int x = cr.left; x < cr.right; ++x) b.setColor(x, y, c);
}

void verticalGradient(Bitmap& b, const Rect& r, Color top, Color bottom) {
    const Rect d = devicePixels(r, b.scale());
    const Rect cr = d.intersected(b.deviceRect());
    for (int y = cr.top; y < cr.bottom; ++y) {
        const double t = d.height() > 1 ? static_cast<double>(y - d.top) / (d.height() - 1) : 0;
        std::fill(b.row(y) + cr.left, b.row(y) + cr.right, mix(top, bottom, t).pixel());
    }
}

void pinstripes(Bitmap& b, const Rect& r, Color odd, Color even) {
    for (int y = r.top; y < r.bottom; ++y) fill(b, {r.left, y, r.right, y + 1}, y % 2 ? odd : even);
}

void tint(Bitmap& b, const Rect& r, Color c, double t) {
    const Rect d = devicePixels(r, b.scale()).intersected(b.deviceRect());
    for (int y = d.top; y < d.bottom; ++y)
        for (int x = d.left; x < d.right; ++x)
            b.setDevicePixel(x, y, mix(deviceColor(b, x, y), c, t).pixel());
}

namespace {

// Coverage of a device pixel by a capsule (r and inset in device pixels): 4 x 4 samples.
double capsuleCoverage(const Rect& r, double px, double py, double inset) {
    const double rad = r.height() / 2.0 - inset;
    const double cy = r.top + r.height() / 2.0;
    const double left = r.left + r.height() / 2.0, right = r.right - r.height() / 2.0;
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double x = px + (sx + 0.5) / 4, y = py + (sy + 0.5) / 4;
            const double nx = std::clamp(x, left, right);
            const double dx = x - nx, dy = y - cy;
            if (dx * dx + dy * dy <= rad * rad) ++inside;
        }
    return inside / 16.0;
}

}  // namespace

void capsule(Bitmap& b, const Rect& r, Color outline, Color top, Color bottom) {
    const int n = b.scale();
    const Rect d = devicePixels(r, n);
    const Rect cr = d.intersected(b.deviceRect());
    for (int y = cr.top; y < cr.bottom; ++y)
        for (int x = cr.left; x < cr.right; ++x) {
            const double outer = capsuleCoverage(d, x, y, 0);
            if (outer <= 0) continue;
            const double inner = capsuleCoverage(d, x, y, n);
            const double t = d.height() > 1 ? static_cast<double>(y - d.top) / (d.height() - 1) : 0;
            const Color body = mix(top, bottom, t);
            // Inside the outline: the body; on it: the outline; outside: what was there.
            const Color c = mix(outline, body, inner);
            b.setDevicePixel(x, y, mix(deviceColor(b, x, y), c, outer).pixel());
        }
}

void gem(Bitmap& b, double cx, double cy, double radius, Color light, Color dark) {
    const double n = b.scale();
    cx *= n, cy *= n, radius *= n;
    for (int y = 0; y < b.deviceHeight(); ++y)
        for (int x = 0; x < b.deviceWidth(); ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double dx = x + (sx + 0.5) / 4 - cx, dy = y + (sy + 0.5) / 4 - cy;
                    if (dx * dx + dy * dy <= radius * radius) ++inside;
                }
            if (inside == 0) continue;
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double d = std::sqrt(dx * dx + dy * dy);
            // Lit from the top left; the rim darker.
            const double hx = x + 0.5 - (cx - radius * 0.3), hy = y + 0.5 - (cy - radius * 0.35);
            Color c = mix(light, dark, std::sqrt(hx * hx + hy * hy) / (radius * 1.5));
            if (d > radius - 1.2 * n) c = mix(c, mix(dark, Color{0, 0, 0}, 0.3), 0.7);
            // The gloss: an ellipse in the upper part.
            const double gx = (x + 0.5 - cx) / (radius * 0.62),
                         gy = (y + 0.5 - (cy - radius * 0.5)) / (radius * 0.36);
            if (gx * gx + gy * gy <= 1) c = mix(c, Color{255, 255, 255}, 0.55 * (1 - gy * 0.6));
            b.setDevicePixel(x, y, mix(deviceColor(b, x, y), c, inside / 16.0).pixel());
        }
}

void shape(Bitmap& b, const std::function<double(double, double)>& coverage, Color c) {
    for (int y = 0; y < b.deviceHeight(); ++y)
        for (int x = 0; x < b.deviceWidth(); ++x) {
            const double k = coverage(x + 0.5, y + 0.5);
            if (k > 0) b.setDevicePixel(x, y, mix(deviceColor(b, x, y), c, k).pixel());
        }
}

double stroke(double reach, double distance, int scale) {
    // The part of the reach beyond the half-pixel edge is the stroke's half width.
    return std::clamp(reach + (reach - 0.5) * (scale - 1) - distance, 0.0, 1.0);
}

}  // namespace lymn::art
