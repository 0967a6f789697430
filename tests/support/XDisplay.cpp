#include "tests/support/XDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <thread>

namespace lymn::test {

namespace {

Display* dpy(void* d) {
    return static_cast<Display*>(d);
}

std::vector<unsigned long> longs(Display* d, Window w, const char* name, Atom type) {
    std::vector<unsigned long> out;
    Atom actual = None;
    int format = 0;
    unsigned long n = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, type, &actual,
                           &format, &n, &after, &data) == Success &&
        data) {
        if (format == 32) {
            auto* v = reinterpret_cast<unsigned long*>(data);
            out.assign(v, v + n);
        }
        XFree(data);
    }
    return out;
}

int ignore(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

XDisplay::XDisplay(const std::string& name) {
    display_ = XOpenDisplay(name.c_str());
    // Windows come and go while the tests look at them.
    XSetErrorHandler(ignore);
}

XDisplay::~XDisplay() {
    if (display_) XCloseDisplay(dpy(display_));
}

void XDisplay::setResources(const std::string& resources) {
    Display* d = dpy(display_);
    XChangeProperty(d, DefaultRootWindow(d), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(resources.data()),
                    static_cast<int>(resources.size()));
    XSync(d, False);
}

bool XDisplay::managerRuns() {
    Display* d = dpy(display_);
    const auto check = longs(d, DefaultRootWindow(d), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (check.empty()) return false;
    const auto self = longs(d, check[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    return !self.empty() && self[0] == check[0];
}

bool XDisplay::hasClass(unsigned long window, const std::string& windowClass) {
    XClassHint hint{};
    if (!XGetClassHint(dpy(display_), window, &hint)) return false;
    const bool same = hint.res_class && windowClass == hint.res_class;
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return same;
}

unsigned long XDisplay::clientOf(unsigned long frame, const std::string& windowClass) {
    if (hasClass(frame, windowClass)) return frame;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(dpy(display_), frame, &root, &parent, &children, &n)) return 0;
    unsigned long found = 0;
    for (unsigned int i = 0; i < n && !found; ++i) found = clientOf(children[i], windowClass);
    if (children) XFree(children);
    return found;
}

std::vector<unsigned long> XDisplay::stacking(const std::string& windowClass) {
    // The root's children are in stacking order, bottom first; under a window manager they are
    // its frames, each holding a client.
    Display* d = dpy(display_);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    std::vector<unsigned long> out;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n)) return out;
    for (unsigned int i = 0; i < n; ++i) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
        if (const unsigned long c = clientOf(children[i], windowClass)) out.push_back(c);
    }
    if (children) XFree(children);
    return out;
}

unsigned long XDisplay::focus() {
    Window w = 0;
    int revert = 0;
    XGetInputFocus(dpy(display_), &w, &revert);
    return w;
}

int XDisplay::wmState(unsigned long window) {
    Display* d = dpy(display_);
    const Atom state = XInternAtom(d, "WM_STATE", False);
    const auto v = longs(d, window, "WM_STATE", state);
    return v.empty() ? 0 : static_cast<int>(v[0]);
}

bool XDisplay::viewable(unsigned long window) {
    XWindowAttributes a{};
    return XGetWindowAttributes(dpy(display_), window, &a) && a.map_state == IsViewable;
}

Rect XDisplay::bounds(unsigned long window) {
    Display* d = dpy(display_);
    XWindowAttributes a{};
    if (!XGetWindowAttributes(d, window, &a)) return {};
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates(d, window, DefaultRootWindow(d), 0, 0, &x, &y, &child);
    return Rect::xywh(x, y, a.width, a.height);
}

void XDisplay::requestClose(unsigned long window) {
    Display* d = dpy(display_);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, window, False, NoEventMask, &e);
    XFlush(d);
}

void XDisplay::watchRoot() {
    Display* d = dpy(display_);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    drain();
    messages_.clear();
}

void XDisplay::drain() {
    Display* d = dpy(display_);
    while (XPending(d)) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == ClientMessage)
            messages_.emplace_back(e.xclient.window, e.xclient.message_type);
        if (e.type == SelectionRequest) answer(&e.xselectionrequest);
    }
}

void XDisplay::offerClipboard(const std::string& text) {
    Display* d = dpy(display_);
    if (!clipboardOwner_)
        clipboardOwner_ = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    clipboard_ = text;
    clipboardTaken_ = false;
    XSetSelectionOwner(d, XInternAtom(d, "CLIPBOARD", False), clipboardOwner_, CurrentTime);
    XSync(d, False);
}

void XDisplay::answer(const void* request) {
    Display* d = dpy(display_);
    const auto& r = *static_cast<const XSelectionRequestEvent*>(request);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    const Atom targets = XInternAtom(d, "TARGETS", False);
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = d;
    reply.requestor = r.requestor;
    reply.selection = r.selection;
    reply.target = r.target;
    reply.time = r.time;
    reply.property = r.property == None ? r.target : r.property;
    if (r.target == utf8 || r.target == XA_STRING) {
        XChangeProperty(d, r.requestor, reply.property, r.target, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(clipboard_.data()),
                        static_cast<int>(clipboard_.size()));
        clipboardTaken_ = true;
    } else if (r.target == targets) {
        const Atom offered[] = {targets, utf8, XA_STRING};
        XChangeProperty(d, r.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(offered), 3);
    } else {
        reply.property = None;
    }
    XEvent e{};
    e.xselection = reply;
    XSendEvent(d, r.requestor, False, NoEventMask, &e);
    XFlush(d);
}

bool XDisplay::answerClipboard(int ms) {
    Display* d = dpy(display_);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!clipboardTaken_ && std::chrono::steady_clock::now() < end) {
        XSync(d, False);
        drain();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return clipboardTaken_;
}

int XDisplay::messagesAbout(unsigned long window, const std::string& type) {
    Display* d = dpy(display_);
    XSync(d, False);
    drain();
    const Atom t = XInternAtom(d, type.c_str(), False);
    int n = 0;
    for (const auto& [w, m] : messages_) n += w == window && m == t;
    return n;
}

}  // namespace lymn::test
