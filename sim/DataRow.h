#pragma once

#include <cstdint>

namespace lymn::sim {

// The level-1 attributes of a profession and appearance: the columns ll, tp, ys and jg of the
// data file's row.
struct DataRow {
    int32_t ll = 0;
    int32_t tp = 0;
    int32_t ys = 0;
    int32_t jg = 0;

    friend bool operator==(const DataRow&, const DataRow&) = default;
};

}  // namespace lymn::sim
