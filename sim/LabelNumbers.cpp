#include "sim/LabelNumbers.h"

#include <limits>

#include "editors/TFlatLabel.h"
#include "platform/Error.h"
#include "platform/Integers.h"

namespace lymn::sim {

int32_t numberOf(const TFlatLabel& label) {
    return strToInt(label.caption());
}

void writeNumber(TFlatLabel& label, int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw Error("Integer overflow");
    label.setCaption(intToStr(value));
}

void addToNumber(TFlatLabel& label, int64_t delta) {
    writeNumber(label, int64_t{numberOf(label)} + delta);
}

}  // namespace lymn::sim
