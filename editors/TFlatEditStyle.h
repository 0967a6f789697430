#pragma once

#include <optional>

#include "platform/Color.h"
#include "platform/Font.h"

namespace lymn {

// Border styles of the edits and their widths in pixels.
enum class EditBorderStyle { None, Single, Thick, Flat, ThreeD, PlainFlat, Soft };
int borderWidth(EditBorderStyle s);

enum class LookAndFeelKind { Flat, Standard, PlainFlat, Soft };
enum class SpinButtonStyle { Default, Flat, ThreeD, Soft, UltraFlat };

// One of the four style objects of an edit (normal, disabled, focused, hot). A value that is
// not assigned takes the default of the state (see TFlatContainer::currentStyle).
struct TFlatEditStyle {
    std::optional<Color> color;
    std::optional<Color> textColor;
    std::optional<bool> textBold;
    std::optional<FontSpec> font;
    std::optional<Color> borderColor;
    std::optional<EditBorderStyle> borderStyle;
    std::optional<bool> hotTrack;
    std::optional<SpinButtonStyle> buttonStyle;
};

// What an edit paints with in its current state.
struct ResolvedStyle {
    Color color;
    Color textColor;
    FontSpec font;  // with the text colour and the text style applied
    Color borderColor;
    EditBorderStyle borderStyle = EditBorderStyle::PlainFlat;
    bool hotTrack = true;
    SpinButtonStyle buttonStyle = SpinButtonStyle::Default;
};

}  // namespace lymn
