#include "platform/OutlinePainter.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_STROKER_H

#include <cmath>
#include <vector>

#include "platform/Error.h"

namespace lymn {

namespace {

// Where the spans of one outline go: the target's pixels inside the clip, in one colour.
struct SpanTarget {
    Bitmap* bitmap;
    Rect clip;  // device pixels
    Color color;
};

// FreeType's rows count upwards: outlines are given with y negated, so that the span row y is
// the device row -y - 1.
void blendSpans(int y, int count, const FT_Span* spans, void* user) {
    const auto* t = static_cast<const SpanTarget*>(user);
    const int row = -y - 1;
    if (row < t->clip.top || row >= t->clip.bottom) return;
    uint32_t* pixels = t->bitmap->row(row);
    for (int i = 0; i < count; ++i) {
        const int from = std::max<int>(spans[i].x, t->clip.left);
        const int to = std::min<int>(spans[i].x + spans[i].len, t->clip.right);
        const int coverage = spans[i].coverage;
        for (int x = from; x < to; ++x)
            pixels[x] = coverage == 255
                            ? t->color.pixel()
                            : blend(Color::fromPixel(pixels[x]), t->color, coverage).pixel();
    }
}

using Path = std::vector<PointF>;

double distance(PointF a, PointF b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

PointF towards(PointF a, PointF b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Marks the points between first and last that keep the path within tolerance of the original
// (Douglas and Peucker's simplification).
void keepFarPoints(const Path& path, size_t first, size_t last, double tolerance,
                   std::vector<bool>& keep) {
    if (last <= first + 1) return;
    const PointF a = path[first], b = path[last];
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    double farthest = 0;
    size_t at = first;
    for (size_t i = first + 1; i < last; ++i) {
        // The distance from the line through a and b, times its length (from a when a is b).
        const PointF p = path[i];
        const double d =
            length == 0 ? distance(p, a) : std::fabs(dx * (p.y - a.y) - dy * (p.x - a.x));
        if (d > farthest) farthest = d, at = i;
    }
    if (farthest <= tolerance * (length == 0 ? 1 : length)) return;
    keep[at] = true;
    keepFarPoints(path, first, at, tolerance, keep);
    keepFarPoints(path, at, last, tolerance, keep);
}

// The path without the points that bend it by less than a sixth of a pixel: a long curve of
// short straight pieces costs the stroker and the renderer far less, and looks the same.
Path simplified(const Path& path) {
    constexpr double kTolerance = 0.16;
    if (path.size() < 3) return path;
    std::vector<bool> keep(path.size(), false);
    keep.front() = keep.back() = true;
    keepFarPoints(path, 0, path.size() - 1, kTolerance, keep);
    Path out;
    for (size_t i = 0; i < path.size(); ++i)
        if (keep[i]) out.push_back(path[i]);
    return out;
}

// The drawn parts of a path under a dash pattern (lengths in the path's units), the pattern
// running on across the corners.
std::vector<Path> dashed(const Path& path, std::span<const double> dash) {
    std::vector<Path> parts;
    size_t phase = 0;
    double left = dash[0];
    bool drawing = true;
    Path current{path.front()};
    for (size_t i = 1; i < path.size(); ++i) {
        PointF a = path[i - 1];
        const PointF b = path[i];
        double length = distance(a, b);
        while (length > left) {
            const PointF cut = towards(a, b, left / length);
            if (drawing) {
                current.push_back(cut);
                parts.push_back(std::move(current));
            }
            current = {cut};
            length -= left;
            a = cut;
            drawing = !drawing;
            phase = (phase + 1) % dash.size();
            left = dash[phase];
        }
        left -= length;
        if (drawing) current.push_back(b);
    }
    if (drawing && current.size() > 1) parts.push_back(std::move(current));
    return parts;
}

FT_Vector toFixed(PointF p) {
    // 26.6 fixed point, y negated (see blendSpans).
    return {static_cast<FT_Pos>(std::lround(p.x * 64)),
            static_cast<FT_Pos>(-std::lround(p.y * 64))};
}

}  // namespace

struct OutlinePainter::Impl {
    FT_Library library = nullptr;
    FT_Stroker stroker = nullptr;

    Impl() {
        if (FT_Init_FreeType(&library) != 0) throw Error("FreeType could not be started");
        if (FT_Stroker_New(library, &stroker) != 0) {
            FT_Done_FreeType(library);
            throw Error("FreeType's stroker could not be made");
        }
    }
    ~Impl() {
        FT_Stroker_Done(stroker);
        FT_Done_FreeType(library);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void render(FT_Outline& outline, Canvas& canvas, Color color) const {
        SpanTarget target{&canvas.target(), deviceClip(canvas), color};
        FT_BBox box;
        FT_Outline_Get_CBox(&outline, &box);
        // The outline's pixels inside the clip (FreeType's rows count upwards, see blendSpans).
        const Rect inked =
            Rect{static_cast<int>(box.xMin >> 6), static_cast<int>(-((box.yMax + 63) >> 6)),
                 static_cast<int>((box.xMax + 63) >> 6), static_cast<int>(-(box.yMin >> 6))}
                .intersected(target.clip);
        FT_Raster_Params params{};
        params.flags = FT_RASTER_FLAG_AA | FT_RASTER_FLAG_DIRECT | FT_RASTER_FLAG_CLIP;
        params.gray_spans = blendSpans;
        params.user = &target;
        // The renderer holds the cells of a row in a small pool and gives up on a row of more
        // than some 600 pixels (a long flat line at scale 3): it renders upright strips.
        constexpr int kStrip = 256;
        for (int left = inked.left; left < inked.right; left += kStrip) {
            const int right = std::min(left + kStrip, inked.right);
            params.clip_box = {left, -inked.bottom, right, -inked.top};
            if (FT_Outline_Render(library, &outline, &params) != 0)
                throw Error("FreeType could not render an outline");
        }
    }

    static Rect deviceClip(Canvas& canvas) {
        // The canvas's clip and origin lie on whole units.
        const int s = canvas.scale();
        const Rect c = canvas.clip().translated(canvas.origin());
        return Rect{c.left * s, c.top * s, c.right * s, c.bottom * s}.intersected(
            canvas.target().deviceRect());
    }

    // The paths' outline stroked width device pixels wide, into a new outline of the library.
    // Dashes end square: round ends on every dash cost the renderer many small curves.
    void stroke(const std::vector<Path>& paths, double width, bool dashes, FT_Outline& out) {
        FT_Stroker_Set(stroker, static_cast<FT_Fixed>(std::lround(width * 32)),
                       dashes ? FT_STROKER_LINECAP_BUTT : FT_STROKER_LINECAP_ROUND,
                       FT_STROKER_LINEJOIN_ROUND, 0);
        for (const Path& path : paths) {
            std::vector<FT_Vector> points;
            for (PointF p : path) {
                const FT_Vector v = toFixed(p);
                if (points.empty() || v.x != points.back().x || v.y != points.back().y)
                    points.push_back(v);
            }
            if (points.size() < 2) continue;
            FT_Stroker_BeginSubPath(stroker, &points[0], 1);
            for (size_t i = 1; i < points.size(); ++i) FT_Stroker_LineTo(stroker, &points[i]);
            FT_Stroker_EndSubPath(stroker);
        }
        FT_UInt points = 0, contours = 0;
        FT_Stroker_GetCounts(stroker, &points, &contours);
        if (FT_Outline_New(library, points, static_cast<FT_Int>(contours), &out) != 0)
            throw Error("FreeType could not make an outline");
        out.n_points = 0;
        out.n_contours = 0;
        FT_Stroker_Export(stroker, &out);
        FT_Stroker_Rewind(stroker);
    }
};

OutlinePainter::OutlinePainter() : impl_(std::make_unique<Impl>()) {}

OutlinePainter::~OutlinePainter() = default;

void OutlinePainter::polyline(Canvas& canvas, std::span<const PointF> points, double width,
                              Color color, std::span<const double> dash) {
    if (points.size() < 2) return;
    const double s = canvas.scale();
    const Point o = canvas.origin();
    Path device;
    device.reserve(points.size());
    for (PointF p : points) device.push_back({(p.x + o.x) * s, (p.y + o.y) * s});
    device = simplified(device);
    std::vector<Path> paths;
    if (dash.empty()) {
        paths.push_back(std::move(device));
    } else {
        std::vector<double> scaled;
        for (double d : dash) scaled.push_back(std::max(d * s, 0.5));
        paths = dashed(device, scaled);
    }
    FT_Outline outline{};
    impl_->stroke(paths, width * s, !dash.empty(), outline);
    try {
        impl_->render(outline, canvas, color);
    } catch (...) {
        FT_Outline_Done(impl_->library, &outline);
        throw;
    }
    FT_Outline_Done(impl_->library, &outline);
}

void OutlinePainter::disc(Canvas& canvas, PointF centre, double radius, Color color) {
    // Eight conic arcs; their control points lie at radius / cos(22.5 degrees).
    constexpr int kArcs = 8;
    const double s = canvas.scale();
    const Point o = canvas.origin();
    const PointF c{(centre.x + o.x) * s, (centre.y + o.y) * s};
    const double r = radius * s;
    const double control = r / std::cos(M_PI / kArcs);
    FT_Outline outline{};
    if (FT_Outline_New(impl_->library, 2 * kArcs, 1, &outline) != 0)
        throw Error("FreeType could not make an outline");
    for (int i = 0; i < 2 * kArcs; ++i) {
        const double angle = M_PI * i / kArcs;
        const double d = i % 2 ? control : r;
        outline.points[i] = toFixed({c.x + d * std::cos(angle), c.y + d * std::sin(angle)});
        outline.tags[i] = i % 2 ? FT_CURVE_TAG_CONIC : FT_CURVE_TAG_ON;
    }
    outline.contours[0] = 2 * kArcs - 1;
    try {
        impl_->render(outline, canvas, color);
    } catch (...) {
        FT_Outline_Done(impl_->library, &outline);
        throw;
    }
    FT_Outline_Done(impl_->library, &outline);
}

}  // namespace lymn
