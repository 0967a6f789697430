#pragma once

#include <memory>
#include <span>

#include "platform/Canvas.h"

namespace lymn {

// A point in layout units that may fall between pixels.
struct PointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// Anti-aliased lines and discs drawn on a canvas by FreeType's stroker and outline renderer, in
// the canvas's layout units (its origin and clip apply), at the canvas's device density.
class OutlinePainter {
  public:
    OutlinePainter();
    ~OutlinePainter();
    OutlinePainter(const OutlinePainter&) = delete;
    OutlinePainter& operator=(const OutlinePainter&) = delete;

    // A line through the points, width units wide, with round joins and ends. dash: the lengths
    // of the drawn and the left-out parts in turn, in units (the dashes end square); empty for
    // a solid line.
    void polyline(Canvas& canvas, std::span<const PointF> points, double width, Color color,
                  std::span<const double> dash = {});
    // A filled circle.
    void disc(Canvas& canvas, PointF centre, double radius, Color color);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace lymn
