#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Event.h"

namespace lymn {

enum class WindowKind { Main, Popup, Dialog, Tooltip };

// One top-level window of a backend. The core composes its pixels and hands them over.
class BackendWindow {
  public:
    virtual ~BackendWindow() = default;
    virtual uint32_t id() const = 0;
    // The frame is in device pixels; the dirty rectangles are in layout units.
    virtual void present(const Bitmap& frame, const std::vector<Rect>& dirty) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual Point position() const = 0;
    virtual void setPosition(Point p) = 0;
    virtual void setSize(Size s) = 0;
    virtual void setMinimumSize(Size s) = 0;
    virtual void minimize() = 0;
    // Brings the window to the front with the keyboard focus.
    virtual void activate() = 0;
    // The window that opened this one (before it is first shown): the desktop keeps a dialog
    // above its owner and treats the two as one program.
    virtual void setOwner(BackendWindow* owner) = 0;
    // Hands a move of the window, begun by the left button pressed at pressedAt (screen
    // coordinates) and held since, to the desktop's window manager. False when none runs: the
    // caller moves the window itself, and the release reaches it as usual. True: the release
    // comes at once, and the manager moves the window (its moves arrive as events).
    virtual bool beginSystemMove(Point pressedAt) = 0;
    virtual void setCursor(Cursor c) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setIcon(const Bitmap& icon) = 0;
    virtual void captureMouse(bool on) = 0;
    // Keyboard text input (an input method may compose) while an edit has the focus.
    virtual void setTextInput(bool on) = 0;
};

// The platform below the core: windows, events, the clock, the clipboard.
class Backend {
  public:
    virtual ~Backend() = default;
    virtual bool headless() const = 0;
    // Device pixels per layout unit (1 to 3). Everything the core sees, the screen, windows and
    // the mouse included, is in layout units; the backend converts.
    virtual int scale() const = 0;
    virtual std::unique_ptr<BackendWindow> createWindow(WindowKind kind, const Rect& screenBounds,
                                                        const std::string& title) = 0;
    virtual bool pollEvent(InputEvent& event) = 0;
    // Waits for an event at most timeoutMs (negative: without limit). The headless backend
    // moves its virtual clock on instead of waiting.
    virtual void waitEvent(int64_t timeoutMs) = 0;
    virtual int64_t now() = 0;
    virtual Rect workArea() = 0;
    virtual Point globalMouse() = 0;
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

}  // namespace lymn
