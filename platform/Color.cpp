#include "platform/Color.h"

namespace lymn {

Color sysColor(SysColor c) {
    switch (c) {
        case SysColor::ButtonFace:
            return Color::rgb(0xD4D0C8);
        case SysColor::ButtonShadow:
            return Color::rgb(0x808080);
        case SysColor::ButtonHighlight:
            return Color::rgb(0xFFFFFF);
        case SysColor::ButtonText:
            return Color::rgb(0x000000);
        case SysColor::Highlight:
            return Color::rgb(0x0A246A);
        case SysColor::HighlightText:
            return Color::rgb(0xFFFFFF);
        case SysColor::Window:
            return Color::rgb(0xFFFFFF);
        case SysColor::WindowText:
            return Color::rgb(0x000000);
        case SysColor::WindowFrame:
            return Color::rgb(0x000000);
        case SysColor::GrayText:
            return Color::rgb(0x808080);
        case SysColor::ActiveCaption:
            return Color::rgb(0x0A246A);
        case SysColor::InactiveCaption:
            return Color::rgb(0x808080);
    }
    return colors::black;
}

}  // namespace lymn
