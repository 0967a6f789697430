#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace lymn {

// The nine-slice draw of a picture over the rectangle r: the four corners copied unscaled (cut,
// not squeezed, when r is smaller than the picture), the edges and the centre stretched. Corners
// leave out the key colour #FF00FF only when transparent; edges and centre always do. Corners are
// placed relative to (0, 0) and r's right and bottom.
void SliceDraw(const Bitmap& picture, Canvas& canvas, const Rect& r, bool transparent);

// The three-slice draw of a tab picture: left and right thirds unscaled at r's ends, the middle
// third stretched between them; with masked, the colour of the picture's top-left pixel is left
// out.
void SliceDrawHorizontal(const Bitmap& picture, Canvas& canvas, const Rect& r, bool masked);

}  // namespace lymn
