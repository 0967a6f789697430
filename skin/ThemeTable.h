#pragma once

#include <cstdint>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

class Control;
class Form;

// The kind of a theme element.
enum class TSkinType : uint8_t { Int = 0, Color = 1, Str = 2, Bool = 3 };

struct ThemeElement {
    int32_t value = -1;  // a colour as 0x00BBGGRR, a flag as 0 or 1; a picture name's row for Str
    TSkinType kind = TSkinType::Int;
};

// Rows of the theme table that the window's controls read.
namespace theme {
inline constexpr int FrameBorderColor = 2;
inline constexpr int FrameBodyColor = 3;
inline constexpr int FrameBorderWidth = 4;
inline constexpr int FormMinWidth = 6;
inline constexpr int FormCornerSize = 7;
inline constexpr int TabBorderColor = 8;
inline constexpr int TabBodyColor = 9;
inline constexpr int ButtonNormal = 24;
inline constexpr int ButtonMouseOn = 25;
inline constexpr int ButtonMouseDown = 26;
inline constexpr int TitleLeft = 45;
inline constexpr int TitleClient = 46;
inline constexpr int TitleRight = 47;
inline constexpr int TitleCloseNormal = 48;
inline constexpr int TitleMaxNormal = 51;
inline constexpr int TitleMinNormal = 54;
inline constexpr int TitleHelpNormal = 57;
inline constexpr int TitleControlBoxNormal = 60;
inline constexpr int TitleRestoreNormal = 63;
inline constexpr int TitleButtonsTransparent = 66;
inline constexpr int TitleLeftButtonOffset = 67;
inline constexpr int TitleRightButtonOffset = 68;
inline constexpr int TitleButtonTop = 69;
inline constexpr int TabActive = 70;
inline constexpr int TabInactive = 71;
inline constexpr int TabLine = 72;
inline constexpr int TabStripHeight = 73;
inline constexpr int kRows = 91;
}  // namespace theme

// The built-in table of theme elements: one value per style Pinstripe..Glass for each row
// 1..91. Custom yields -1 of kind Int everywhere; a typed lookup that meets a row of another
// kind yields its neutral value (text: empty, integer: -1, flag: false, colour: black).
ThemeElement GetThemeElement(TSkinUIStyle style, int index);
std::string GetThemeString(TSkinUIStyle style, int index);
int32_t GetThemeInt(TSkinUIStyle style, int index);
bool GetThemeBool(TSkinUIStyle style, int index);
Color GetThemeColor(TSkinUIStyle style, int index);

// Every picture name the table holds (for all styles), and the two form backgrounds.
std::vector<std::string> themePictureNames();

// Replaces the bitmap's contents with the picture stored under the name; an unknown name
// raises an error. Above scale 1 the picture drawn for that scale (NAME@Nx) is taken, with that
// scale, or the scale-1 one where there is none. Controls pass their scale(): a control is made
// inside its parent, so it has its window's scale when it loads, and every window of the
// program has the application's scale.
void LoadThemeBitmap(Bitmap& bitmap, const std::string& name, int scale = 1);
bool hasThemeBitmap(const std::string& name);

// The skinned frame on a form: its style (Navy without one), its colour (button face without
// one), and the tab border colour of its style (black without one).
TSkinUIStyle GetSkinFormStyle(const Control* form);
Color GetSkinFormColor(const Control* form);
Color GetBorderColor(const Control* form);

// Gives the style to the container's direct skinned children that take it: buttons not in
// Custom style and page controls; SubContainerApplyUIStyle does the same inside the direct
// picture panels and tab sheets.
void ContainerApplyUIStyle(Control& container, TSkinUIStyle style);
void SubContainerApplyUIStyle(Control& container, TSkinUIStyle style);

}  // namespace lymn
