#pragma once

#include <string>

#include "platform/Color.h"
#include "platform/Font.h"

namespace lymn {

class Control;
class TFlatLabel;
class TSkinButton;

// The window's Song font, as its captions use it.
FontSpec song(int height = 13, bool bold = false);

// A label with automatic size and no background, as the field captions are.
TFlatLabel& fieldLabel(Control& parent, const char* name, int x, int y, const std::string& text,
                       const FontSpec& font, Color color);

// A button of the window's pinstripe style; its place is the caller's.
TSkinButton& pinstripeButton(Control& parent, const char* name, const char* caption, int tabOrder);

}  // namespace lymn
