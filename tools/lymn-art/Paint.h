#pragma once

#include <functional>

#include "platform/Bitmap.h"

namespace lymn::art {

// Drawing by rule for the generated pictures.
Color mix(Color a, Color b, double t);  // t = 0 gives a, 1 gives b
void fill(Bitmap& b, const Rect& r, Color c);
// A vertical gradient over the rows of r, top colour to bottom colour.
void verticalGradient(Bitmap& b, const Rect& r, Color top, Color bottom);
// Horizontal pinstripes: odd rows (from the top of the picture) in a, even rows in b.
void pinstripes(Bitmap& b, const Rect& r, Color odd, Color even);
// A capsule with fully rounded ends inside r: outline, and a body shaded from top to bottom.
// Edge pixels are blended with what is under them.
void capsule(Bitmap& b, const Rect& r, Color outline, Color top, Color bottom);
// A round gem centred at (cx, cy): radial shading from light to dark, a rim, a gloss on top.
void gem(Bitmap& b, double cx, double cy, double radius, Color light, Color dark);
// Sets each pixel whose centre is within the shape (0 <= coverage <= 1 from the function).
void shape(Bitmap& b, const std::function<double(double x, double y)>& coverage, Color c);

}  // namespace lymn::art
