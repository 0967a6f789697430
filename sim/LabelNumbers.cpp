#include "sim/LabelNumbers.h"

#include "editors/TFlatLabel.h"
#include "platform/Integers.h"

namespace lymn::sim {

int32_t numberOf(const TFlatLabel& label) {
    return strToInt(label.caption());
}

void writeNumber(TFlatLabel& label, int64_t value) {
    label.setCaption(intToStr(checkedInt32(value)));
}

int32_t written(TFlatLabel& label, int64_t value) {
    writeNumber(label, value);
    return numberOf(label);
}

void addToNumber(TFlatLabel& label, int64_t delta) {
    writeNumber(label, int64_t{numberOf(label)} + delta);
}

}  // namespace lymn::sim
