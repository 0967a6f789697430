#include "editors/TFlatEditStyle.h"

namespace lymn {

int borderWidth(EditBorderStyle s) {
    switch (s) {
        case EditBorderStyle::None:
            return 0;
        case EditBorderStyle::Single:
        case EditBorderStyle::PlainFlat:
        case EditBorderStyle::Soft:
            return 1;
        case EditBorderStyle::Thick:
        case EditBorderStyle::Flat:
        case EditBorderStyle::ThreeD:
            return 2;
    }
    return 0;
}

}  // namespace lymn
