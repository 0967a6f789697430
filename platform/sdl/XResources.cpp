#include "platform/sdl/XResources.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <memory>

namespace lymn {

std::optional<std::string> XResources::value(const char* name, const char* className) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return std::nullopt;
    std::unique_ptr<Display, int (*)(Display*)> dpy(XOpenDisplay(nullptr), XCloseDisplay);
    if (!dpy) return std::nullopt;
    const char* resources = XResourceManagerString(dpy.get());
    if (!resources) return std::nullopt;
    XrmInitialize();
    std::unique_ptr<_XrmHashBucketRec, void (*)(XrmDatabase)> db(XrmGetStringDatabase(resources),
                                                                 XrmDestroyDatabase);
    if (!db) return std::nullopt;
    char* type = nullptr;
    XrmValue v{};
    if (!XrmGetResource(db.get(), name, className, &type, &v) || !v.addr) return std::nullopt;
    return std::string(v.addr, v.size > 0 && v.addr[v.size - 1] == '\0' ? v.size - 1 : v.size);
}

}  // namespace lymn
