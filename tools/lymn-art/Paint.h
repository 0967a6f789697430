#pragma once

#include <functional>

#include "platform/Bitmap.h"

namespace lymn::art {

// Drawing by rule for the generated pictures. Rectangles, centres and radii are layout units;
// the rules run over the picture's device pixels, so that a picture of scale N is drawn at N
// times the detail rather than enlarged, and at scale 1 pixel for pixel as before.
Color mix(Color a, Color b, double t);  // t = 0 gives a, 1 gives b
// Whole units: a one-unit feature is scale device pixels wide.
void fill(Bitmap& b, const Rect& r, Color c);
// A vertical gradient over the device rows of r, top colour to bottom colour.
void verticalGradient(Bitmap& b, const Rect& r, Color top, Color bottom);
// Horizontal pinstripes: odd unit rows (from the top of the picture) in a, even rows in b.
void pinstripes(Bitmap& b, const Rect& r, Color odd, Color even);
// Each device pixel of r mixed towards c by t.
void tint(Bitmap& b, const Rect& r, Color c, double t);
// A capsule with fully rounded ends inside r: a one-unit outline, and a body shaded from top to
// bottom. Edge pixels are blended with what is under them.
void capsule(Bitmap& b, const Rect& r, Color outline, Color top, Color bottom);
// A round gem centred at (cx, cy): radial shading from light to dark, a rim, a gloss on top.
void gem(Bitmap& b, double cx, double cy, double radius, Color light, Color dark);
// Mixes each device pixel towards c by the coverage the function gives for its centre, in
// device pixels (0 <= coverage <= 1); shapes scale their geometry by the picture's scale.
void shape(Bitmap& b, const std::function<double(double x, double y)>& coverage, Color c);
// The coverage of a stroke whose scale-1 rule is clamp(reach - distance, 0, 1): the same width
// times the scale, its edge still one device pixel wide. The distance is in device pixels.
double stroke(double reach, double distance, int scale);

}  // namespace lymn::art
