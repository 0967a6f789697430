#pragma once

#include <cstdint>

namespace lymn {
class TFlatLabel;
}

namespace lymn::sim {

// A label's caption read as a 32-bit integer (the conversion error when it is not one).
int32_t numberOf(const TFlatLabel& label);
// A number written into a label as decimal text; a value outside 32 bits raises
// "Integer overflow" instead of wrapping.
void writeNumber(TFlatLabel& label, int64_t value);
// Writes a number and returns it as read back from the caption, for the sheet fields that are
// set from their labels.
int32_t written(TFlatLabel& label, int64_t value);
// Adds delta to the number of a label.
void addToNumber(TFlatLabel& label, int64_t delta);

}  // namespace lymn::sim
