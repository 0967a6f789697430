#pragma once

#include <algorithm>
#include <vector>

namespace lymn {

// Integer division rounding down (towards minus infinity) and up.
constexpr int floorDiv(long long a, int b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}
constexpr int ceilDiv(long long a, int b) {
    return -floorDiv(-a, b);
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(Point o) const { return {x + o.x, y + o.y}; }
    Point operator-(Point o) const { return {x - o.x, y - o.y}; }
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect xywh(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    static Rect ofSize(Size s) { return {0, 0, s.width, s.height}; }

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Size size() const { return {width(), height()}; }
    Point topLeft() const { return {left, top}; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool contains(const Rect& r) const {
        return r.empty() ||
               (r.left >= left && r.right <= right && r.top >= top && r.bottom <= bottom);
    }
    Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect translated(Point d) const { return translated(d.x, d.y); }
    Rect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    Rect intersected(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.empty() ? Rect{} : r;
    }
    Rect united(const Rect& o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    bool intersects(const Rect& o) const { return !intersected(o).empty(); }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The parts of a that b does not cover: at most four rectangles.
inline std::vector<Rect> subtract(const Rect& a, const Rect& b) {
    const Rect i = a.intersected(b);
    if (i.empty()) return {a};
    std::vector<Rect> out;
    if (i.top > a.top) out.push_back({a.left, a.top, a.right, i.top});
    if (i.bottom < a.bottom) out.push_back({a.left, i.bottom, a.right, a.bottom});
    if (i.left > a.left) out.push_back({a.left, i.top, i.left, i.bottom});
    if (i.right < a.right) out.push_back({i.right, i.top, a.right, i.bottom});
    return out;
}

}  // namespace lymn
