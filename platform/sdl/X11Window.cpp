#include "platform/sdl/X11Window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lymn {

namespace {

Display* display(void* d) {
    return static_cast<Display*>(d);
}

// Requests about windows that may be gone (a window manager that ended leaves its check
// window's number behind) must not end the program through Xlib's default error handler.
class IgnoreErrors {
  public:
    explicit IgnoreErrors(Display* d) : display_(d) {
        XSync(display_, False);
        previous_ = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~IgnoreErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoreErrors(const IgnoreErrors&) = delete;
    IgnoreErrors& operator=(const IgnoreErrors&) = delete;

  private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

std::vector<unsigned long> longsProperty(Display* d, Window w, Atom property, Atom type) {
    std::vector<unsigned long> out;
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 1024, False, type, &actual, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (actual == type && format == 32) {
            const auto* values = reinterpret_cast<const unsigned long*>(data);
            out.assign(values, values + count);
        }
        XFree(data);
    }
    return out;
}

// The window manager's check window, when a manager that follows the desktop's conventions runs:
// the root names it and it names itself.
bool managerRuns(Display* d, Window root) {
    const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    const auto fromRoot = longsProperty(d, root, check, XA_WINDOW);
    if (fromRoot.empty() || fromRoot[0] == 0) return false;
    const IgnoreErrors guard(d);
    const auto fromItself = longsProperty(d, fromRoot[0], check, XA_WINDOW);
    return !fromItself.empty() && fromItself[0] == fromRoot[0];
}

bool managerSupports(Display* d, Window root, const char* what) {
    if (!managerRuns(d, root)) return false;
    const Atom wanted = XInternAtom(d, what, False);
    for (unsigned long a : longsProperty(d, root, XInternAtom(d, "_NET_SUPPORTED", False), XA_ATOM))
        if (a == wanted) return true;
    return false;
}

void sendToRoot(Display* d, Window root, Window about, const char* message,
                const std::vector<long>& values) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = about;
    e.xclient.message_type = XInternAtom(d, message, False);
    e.xclient.format = 32;
    for (size_t i = 0; i < values.size() && i < 5; ++i) e.xclient.data.l[i] = values[i];
    XSendEvent(d, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
}

}  // namespace

void X11Window::reportErrorsInsteadOfExiting() {
    XSetErrorHandler([](Display* d, XErrorEvent* e) {
        // SDL wakes its waiting loop with an event sent to a window over a second connection;
        // the window may be destroyed on the first one before that event arrives. Nothing is
        // lost then.
        if (e->error_code == BadWindow && e->request_code == X_SendEvent) return 0;
        char text[256] = "";
        XGetErrorText(d, e->error_code, text, sizeof text);
        std::fprintf(stderr, "lymn-sim: the X server refused request %d about window 0x%lx: %s\n",
                     e->request_code, e->resourceid, text);
        return 0;
    });
}

void X11Window::endProgramWhenTheConnectionBreaks() {
    XSetIOErrorHandler([](Display* d) -> int {
        // Only what is safe wherever the break is noticed: one write, then the end.
        char line[512];
        const int n = std::snprintf(line, sizeof line,
                                    "lymn-sim: the connection to the display %s was lost; the "
                                    "program ends\n",
                                    d ? DisplayString(d) : "");
        if (n > 0) {
            const size_t length = std::min(static_cast<size_t>(n), sizeof line - 1);
            [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, length);
        }
        ::_exit(1);
    });
}

X11Window::X11Window(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11)
        return;
    display_ = info.info.x11.display;
    window_ = info.info.x11.window;
    root_ = DefaultRootWindow(display(display_));
}

void X11Window::setOwner(const X11Window& owner, bool dialog) {
    if (!valid() || !owner.valid()) return;
    Display* d = display(display_);
    XSetTransientForHint(d, window_, owner.window_);
    if (dialog) {
        const Atom type = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False);
        XChangeProperty(d, window_, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&type), 1);
        // The states SDL set stay; modal joins them.
        const Atom state = XInternAtom(d, "_NET_WM_STATE", False);
        const Atom modal = XInternAtom(d, "_NET_WM_STATE_MODAL", False);
        std::vector<unsigned long> states = longsProperty(d, window_, state, XA_ATOM);
        bool has = false;
        for (unsigned long s : states) has = has || s == modal;
        if (!has) states.push_back(modal);
        XChangeProperty(d, window_, state, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(states.data()),
                        static_cast<int>(states.size()));
    }
    XFlush(d);
}

void X11Window::activate() {
    if (!valid()) return;
    Display* d = display(display_);
    if (managerRuns(d, root_)) {
        // Source 1: a request of the application itself, for a window the user just caused.
        sendToRoot(d, root_, window_, "_NET_ACTIVE_WINDOW", {1, CurrentTime, 0});
    } else {
        XRaiseWindow(d, window_);
        XSetInputFocus(d, window_, RevertToParent, CurrentTime);
    }
    XFlush(d);
}

std::optional<Point> X11Window::pointer() const {
    if (!valid()) return std::nullopt;
    Window root = 0, child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display(display_), window_, &root, &child, &x, &y, &wx, &wy, &mask))
        return std::nullopt;
    return Point{x, y};
}

bool X11Window::windowManagerMoves() const {
    return valid() && managerSupports(display(display_), root_, "_NET_WM_MOVERESIZE");
}

bool X11Window::beginManagerMove(Point pressedAt) {
    if (!windowManagerMoves()) return false;
    Display* d = display(display_);
    // The manager cannot grab the pointer while this program holds it.
    XUngrabPointer(d, CurrentTime);
    constexpr long kMove = 8;
    sendToRoot(d, root_, window_, "_NET_WM_MOVERESIZE", {pressedAt.x, pressedAt.y, kMove, 1, 1});
    Window child = None;
    int x = 0, y = 0;
    XTranslateCoordinates(d, root_, window_, pressedAt.x, pressedAt.y, &x, &y, &child);
    XEvent release{};
    release.xbutton.type = ButtonRelease;
    release.xbutton.display = d;
    release.xbutton.window = window_;
    release.xbutton.root = root_;
    release.xbutton.time = CurrentTime;
    release.xbutton.x = x;
    release.xbutton.y = y;
    release.xbutton.x_root = pressedAt.x;
    release.xbutton.y_root = pressedAt.y;
    release.xbutton.state = Button1Mask;
    release.xbutton.button = Button1;
    release.xbutton.same_screen = True;
    XSendEvent(d, window_, False, ButtonReleaseMask, &release);
    XFlush(d);
    return true;
}

}  // namespace lymn
