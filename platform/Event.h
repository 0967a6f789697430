#pragma once

#include <cstdint>
#include <string>

#include "platform/Geometry.h"

namespace lymn {

enum class MouseButton { None, Left, Right, Middle };

namespace mods {
inline constexpr unsigned Shift = 1;
inline constexpr unsigned Ctrl = 2;
inline constexpr unsigned Alt = 4;
}  // namespace mods

// Key codes: printable keys are their lower-case ASCII character; the others follow.
enum class Key : int {
    None = 0,
    Backspace = 8,
    Tab = 9,
    Enter = 13,
    Escape = 27,
    Space = 32,
    Up = 0x100,
    Down,
    Left,
    Right,
    PageUp,
    PageDown,
    Home,
    End,
    Insert,
    Delete,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
};

inline Key charKey(char c) {
    return static_cast<Key>(static_cast<unsigned char>(c));
}

enum class Cursor { Arrow, IBeam, Hand, SizeWE, SizeNS, SizeNWSE, SizeNESW, SizeAll };

// What a point of a top-level window is, for moving and sizing it.
enum class HitTest {
    Nowhere,
    Client,
    Caption,
    Transparent,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

struct MouseEvent {
    Point pos;  // in the receiving control's coordinates
    MouseButton button = MouseButton::Left;
    unsigned mods = 0;
    int clicks = 1;
};

struct KeyEvent {
    Key key = Key::None;
    unsigned mods = 0;
};

// An event as a backend reports it, before the core routes it to a form and a control.
struct InputEvent {
    enum class Type {
        MouseDown,
        MouseUp,
        MouseMove,
        MouseLeave,
        Wheel,
        KeyDown,
        KeyUp,
        Text,
        Close,
        Activate,
        Deactivate,
        Expose,
        Moved,
        Resized,
        Minimized,
        Restored,
        DropFile,  // a file dropped onto the window: its path in text
    };
    Type type = Type::Expose;
    uint32_t window = 0;
    Point pos;     // window coordinates
    Point global;  // screen coordinates
    MouseButton button = MouseButton::None;
    unsigned mods = 0;
    int clicks = 1;
    int wheel = 0;  // Wheel: notches, positive away from the user
    Key key = Key::None;
    std::string text;
    Size size;
};

}  // namespace lymn
