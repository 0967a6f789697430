#pragma once

#include <optional>

#include "platform/Geometry.h"

struct SDL_Window;

namespace lymn {

// The X11 side of an SDL window: what SDL does not say to the window manager for a borderless
// window (who owns a dialog, that it is modal, handing a drag to the manager) and keyboard focus
// where no manager gives it. On another video driver every request does nothing.
class X11Window {
  public:
    explicit X11Window(SDL_Window* window);

    // Errors the X server reports are written to standard error instead of ending the program,
    // as Xlib's own handler would. Before SDL starts: SDL puts back at its end the handler it
    // found, and errors of its last requests arrive then.
    static void reportErrorsInsteadOfExiting();
    // When the connection to the X server breaks (the server ended, the session is over), the
    // program ends at once with status 1 and one line on standard error: nothing it could still
    // do would reach the user, and the exit handlers of the libraries may wait on the
    // connection for ever. The kernel lets go of its locks.
    static void endProgramWhenTheConnectionBreaks();

    bool valid() const { return display_ != nullptr; }
    // Before the window is first mapped: it belongs to owner (transient for it); a dialog is
    // also marked as a modal dialog window.
    void setOwner(const X11Window& owner, bool dialog);
    // Raises the window and gives it the keyboard focus: through the window manager when one
    // runs, directly otherwise.
    void activate();
    // Whether a window manager runs that moves windows on request.
    bool windowManagerMoves() const;
    // Hands a move that the left button began at pressedAt (screen coordinates) to the window
    // manager; false when none runs. The manager then owns the pointer until the button is
    // released, so SDL is told of the release at once: its button state stays true.
    bool beginManagerMove(Point pressedAt);

    // Where the pointer is on the screen, as the X server has it now.
    std::optional<Point> pointer() const;

  private:
    void* display_ = nullptr;
    unsigned long window_ = 0;
    unsigned long root_ = 0;
};

}  // namespace lymn
