#include "platform/sdl/SdlBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Error.h"
#include "platform/PixelAllocator.h"
#include "platform/sdl/X11Window.h"

namespace lymn {

namespace {

Key translateKey(SDL_Keycode k) {
    switch (k) {
        case SDLK_BACKSPACE:
            return Key::Backspace;
        case SDLK_TAB:
            return Key::Tab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Key::Enter;
        case SDLK_ESCAPE:
            return Key::Escape;
        case SDLK_SPACE:
            return Key::Space;
        case SDLK_UP:
            return Key::Up;
        case SDLK_DOWN:
            return Key::Down;
        case SDLK_LEFT:
            return Key::Left;
        case SDLK_RIGHT:
            return Key::Right;
        case SDLK_PAGEUP:
            return Key::PageUp;
        case SDLK_PAGEDOWN:
            return Key::PageDown;
        case SDLK_HOME:
            return Key::Home;
        case SDLK_END:
            return Key::End;
        case SDLK_INSERT:
            return Key::Insert;
        case SDLK_DELETE:
            return Key::Delete;
        default:
            break;
    }
    if (k >= SDLK_F1 && k <= SDLK_F12)
        return static_cast<Key>(static_cast<int>(Key::F1) + (k - SDLK_F1));
    if (k > 32 && k < 127) return static_cast<Key>(k);
    return Key::None;
}

unsigned translateMods(Uint16 m) {
    unsigned out = 0;
    if (m & KMOD_SHIFT) out |= mods::Shift;
    if (m & KMOD_CTRL) out |= mods::Ctrl;
    if (m & KMOD_ALT) out |= mods::Alt;
    return out;
}

MouseButton translateButton(Uint8 b) {
    switch (b) {
        case SDL_BUTTON_LEFT:
            return MouseButton::Left;
        case SDL_BUTTON_RIGHT:
            return MouseButton::Right;
        case SDL_BUTTON_MIDDLE:
            return MouseButton::Middle;
        default:
            return MouseButton::None;
    }
}

Point windowOrigin(Uint32 id) {
    SDL_Window* w = SDL_GetWindowFromID(id);
    Point p;
    if (w) SDL_GetWindowPosition(w, &p.x, &p.y);
    return p;
}

Point toLayout(Point device, int scale) {
    return {floorDiv(device.x, scale), floorDiv(device.y, scale)};
}

bool set(const char* variable) {
    const char* v = SDL_getenv(variable);
    return v && *v;
}

// The one place where SDL's events become the core's events, their positions in layout units.
bool translate(const SDL_Event& ev, int scale, InputEvent& out) {
    switch (ev.type) {
        case SDL_MOUSEMOTION:
            out.type = InputEvent::Type::MouseMove;
            out.window = ev.motion.windowID;
            out.pos = toLayout({ev.motion.x, ev.motion.y}, scale);
            out.global =
                toLayout(windowOrigin(out.window) + Point{ev.motion.x, ev.motion.y}, scale);
            out.mods = translateMods(SDL_GetModState());
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            out.type = ev.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown
                                                      : InputEvent::Type::MouseUp;
            out.window = ev.button.windowID;
            out.pos = toLayout({ev.button.x, ev.button.y}, scale);
            out.global =
                toLayout(windowOrigin(out.window) + Point{ev.button.x, ev.button.y}, scale);
            out.button = translateButton(ev.button.button);
            out.clicks = ev.button.clicks;
            out.mods = translateMods(SDL_GetModState());
            return out.button != MouseButton::None;
        case SDL_MOUSEWHEEL:
            out.type = InputEvent::Type::Wheel;
            out.window = ev.wheel.windowID;
            out.wheel = ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -ev.wheel.y : ev.wheel.y;
            return out.wheel != 0;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            out.type = ev.type == SDL_KEYDOWN ? InputEvent::Type::KeyDown : InputEvent::Type::KeyUp;
            out.window = ev.key.windowID;
            out.key = translateKey(ev.key.keysym.sym);
            out.mods = translateMods(ev.key.keysym.mod);
            return out.key != Key::None;
        case SDL_TEXTINPUT:
            out.type = InputEvent::Type::Text;
            out.window = ev.text.windowID;
            out.text = ev.text.text;
            return true;
        case SDL_DROPFILE:
            out.type = InputEvent::Type::DropFile;
            out.window = ev.drop.windowID;
            if (ev.drop.file) out.text = ev.drop.file;
            SDL_free(ev.drop.file);
            return !out.text.empty();
        case SDL_QUIT:
            // The session or a signal asks the program to end: window 0 stands for the program.
            out.type = InputEvent::Type::Close;
            out.window = 0;
            return true;
        case SDL_WINDOWEVENT:
            out.window = ev.window.windowID;
            switch (ev.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    out.type = InputEvent::Type::Close;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    out.type = InputEvent::Type::Activate;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    out.type = InputEvent::Type::Deactivate;
                    return true;
                case SDL_WINDOWEVENT_EXPOSED:
                    out.type = InputEvent::Type::Expose;
                    return true;
                case SDL_WINDOWEVENT_LEAVE:
                    out.type = InputEvent::Type::MouseLeave;
                    return true;
                case SDL_WINDOWEVENT_MOVED:
                    out.type = InputEvent::Type::Moved;
                    out.global = toLayout({ev.window.data1, ev.window.data2}, scale);
                    return true;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    out.type = InputEvent::Type::Resized;
                    out.size = {ev.window.data1 / scale, ev.window.data2 / scale};
                    return true;
                case SDL_WINDOWEVENT_MINIMIZED:
                    out.type = InputEvent::Type::Minimized;
                    return true;
                case SDL_WINDOWEVENT_RESTORED:
                    out.type = InputEvent::Type::Restored;
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

// A window of the desktop. Until it is first shown it is only the state the core gave it, in
// layout units; the desktop sees device pixels.
class SdlWindow : public BackendWindow {
  public:
    SdlWindow(SdlBackend& backend, WindowKind kind, const Rect& bounds, std::string title)
        : backend_(backend),
          scale_(backend.scale()),
          kind_(kind),
          bounds_(bounds),
          title_(std::move(title)) {}
    ~SdlWindow() override {
        if (window_) SDL_DestroyWindow(window_);
    }

    // Windows not yet made have no number: no event of the desktop can name them.
    uint32_t id() const override { return window_ ? SDL_GetWindowID(window_) : kNoWindow; }

    void present(const Bitmap& frame, const std::vector<Rect>& dirty) override {
        if (!window_) return;
        SDL_Surface* s = SDL_GetWindowSurface(window_);
        if (!s) return;
        // The window's pixels are new shared memory at the first frame: mapped in one call,
        // not one page fault per 4 KiB of the copy.
        const bool newPixels = s->pixels != prefaulted_;
        if (newPixels) {
            pixel_memory::populate(s->pixels, static_cast<size_t>(s->pitch) * s->h);
            prefaulted_ = s->pixels;
        }
        std::vector<SDL_Rect> rects;
        rects.reserve(dirty.size());
        for (const Rect& r : dirty)
            rects.push_back(
                {r.left * scale_, r.top * scale_, r.width() * scale_, r.height() * scale_});
        // Only what changed is copied, unless the window's pixels are new.
        const bool whole = rects.empty() || !shownOnce_ || newPixels;
        copyFrame(frame, s, whole ? std::vector<SDL_Rect>{{0, 0, s->w, s->h}} : rects);
        if (whole)
            SDL_UpdateWindowSurface(window_);
        else
            SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
        shownOnce_ = true;
    }

    void show() override {
        make();
        SDL_ShowWindow(window_);
        shownOnce_ = false;
    }
    void hide() override {
        if (window_) SDL_HideWindow(window_);
    }
    Point position() const override {
        if (!window_) return bounds_.topLeft();
        Point p;
        SDL_GetWindowPosition(window_, &p.x, &p.y);
        return toLayout(p, scale_);
    }
    void setPosition(Point p) override {
        bounds_ = Rect::xywh(p.x, p.y, bounds_.width(), bounds_.height());
        if (window_) SDL_SetWindowPosition(window_, p.x * scale_, p.y * scale_);
    }
    void setSize(Size s) override {
        bounds_ =
            Rect::xywh(bounds_.left, bounds_.top, std::max(s.width, 1), std::max(s.height, 1));
        if (!window_) return;
        int w = 0, h = 0;
        SDL_GetWindowSize(window_, &w, &h);
        if (w != bounds_.width() * scale_ || h != bounds_.height() * scale_)
            SDL_SetWindowSize(window_, bounds_.width() * scale_, bounds_.height() * scale_);
    }
    void setMinimumSize(Size s) override {
        minimum_ = {std::max(s.width, 1), std::max(s.height, 1)};
        if (window_)
            SDL_SetWindowMinimumSize(window_, minimum_.width * scale_, minimum_.height * scale_);
    }
    void minimize() override {
        if (window_) SDL_MinimizeWindow(window_);
    }
    void activate() override {
        if (!window_) return;
        if (x11().valid())
            x11().activate();
        else
            SDL_RaiseWindow(window_);
    }
    void setOwner(BackendWindow* owner) override { owner_ = dynamic_cast<SdlWindow*>(owner); }
    bool beginSystemMove(Point pressedAt) override {
        return window_ && x11().beginManagerMove({pressedAt.x * scale_, pressedAt.y * scale_});
    }
    void setCursor(Cursor c) override {
        if (window_) SDL_SetCursor(backend_.cursor(c));
    }
    void setTitle(const std::string& t) override {
        title_ = t;
        if (window_) SDL_SetWindowTitle(window_, t.c_str());
    }
    void setIcon(const Bitmap& icon) override {
        icon_ = icon;
        if (window_) applyIcon();
    }
    void captureMouse(bool on) override {
        if (window_) SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE);
    }
    void setTextInput(bool on) override { backend_.setTextInput(on); }

  private:
    static constexpr uint32_t kNoWindow = 0xFFFFFFFFu;

    void make() {
        if (window_) return;
        Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
        if (kind_ == WindowKind::Popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
        if (kind_ == WindowKind::Tooltip) flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR;
        if (kind_ == WindowKind::Dialog) flags |= SDL_WINDOW_SKIP_TASKBAR;
        window_ = SDL_CreateWindow(title_.c_str(), bounds_.left * scale_, bounds_.top * scale_,
                                   std::max(bounds_.width(), 1) * scale_,
                                   std::max(bounds_.height(), 1) * scale_, flags);
        if (!window_) throw Error(std::string("Cannot create a window: ") + SDL_GetError());
        if (minimum_.width > 0)
            SDL_SetWindowMinimumSize(window_, minimum_.width * scale_, minimum_.height * scale_);
        applyIcon();
        // Told before the window is mapped, as the window manager reads it then.
        if (owner_ && owner_->window_) x11().setOwner(owner_->x11(), kind_ == WindowKind::Dialog);
    }

    X11Window& x11() {
        if (!x11_) x11_ = std::make_unique<X11Window>(window_);
        return *x11_;
    }

    void applyIcon() {
        if (icon_.empty()) return;
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint32_t*>(icon_.row(0)), icon_.deviceWidth(), icon_.deviceHeight(), 32,
            icon_.deviceWidth() * 4, SDL_PIXELFORMAT_ARGB8888);
        if (!s) return;
        SDL_SetWindowIcon(window_, s);
        SDL_FreeSurface(s);
    }

    // Copies the parts (device pixels) of the frame into the window's pixels.
    static void copyFrame(const Bitmap& frame, SDL_Surface* s, const std::vector<SDL_Rect>& parts) {
        const Rect bounds = Rect::xywh(0, 0, std::min(s->w, frame.deviceWidth()),
                                       std::min(s->h, frame.deviceHeight()));
        const bool same = s->format->format == SDL_PIXELFORMAT_RGB888 ||
                          s->format->format == SDL_PIXELFORMAT_ARGB8888;
        const int bytes = s->format->BytesPerPixel;
        SDL_LockSurface(s);
        for (const SDL_Rect& part : parts) {
            const Rect r = Rect::xywh(part.x, part.y, part.w, part.h).intersected(bounds);
            if (r.empty()) continue;
            uint8_t* to = static_cast<uint8_t*>(s->pixels) +
                          static_cast<ptrdiff_t>(r.top) * s->pitch +
                          static_cast<ptrdiff_t>(r.left) * bytes;
            if (same) {
                for (int y = r.top; y < r.bottom; ++y, to += s->pitch)
                    std::memcpy(to, frame.row(y) + r.left, sizeof(uint32_t) * r.width());
            } else {
                SDL_ConvertPixels(r.width(), r.height(), SDL_PIXELFORMAT_ARGB8888,
                                  frame.row(r.top) + r.left, frame.deviceWidth() * 4,
                                  s->format->format, to, s->pitch);
            }
        }
        SDL_UnlockSurface(s);
    }

    SdlBackend& backend_;
    int scale_;
    WindowKind kind_;
    Rect bounds_;
    std::string title_;
    Size minimum_{0, 0};
    Bitmap icon_;
    SDL_Window* window_ = nullptr;
    std::unique_ptr<X11Window> x11_;
    SdlWindow* owner_ = nullptr;
    const void* prefaulted_ = nullptr;
    bool shownOnce_ = false;
};

}  // namespace

SdlBackend::SdlBackend(int scale) : scale_(std::clamp(scale, 1, 3)) {
    // The pointer grows with the window, unless the desktop sets its size.
    if (scale_ > 1 && !set("XCURSOR_SIZE"))
        SDL_setenv("XCURSOR_SIZE", std::to_string(24 * scale_).c_str(), 1);
    // Without this SDL composes through software OpenGL: slower first frame, far more memory.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (!asked && !set("DISPLAY") && !set("WAYLAND_DISPLAY"))
        throw NoDisplay("neither DISPLAY nor WAYLAND_DISPLAY is set");
    X11Window::reportErrorsInsteadOfExiting();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw NoDisplay(SDL_GetError());
    // Without a display SDL falls back to drivers that show nothing; a window no one can see
    // would run forever. They are used only when asked for by name.
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if ((driver == "offscreen" || driver == "dummy") && !(asked && driver == asked)) {
        SDL_Quit();
        throw NoDisplay("neither an X11 nor a Wayland display could be opened");
    }
    // After SDL's start, so that no handler of its own takes the place of this one.
    X11Window::endProgramWhenTheConnectionBreaks();
    SDL_StopTextInput();
}

SdlBackend::~SdlBackend() {
    for (SDL_Cursor* c : cursors_)
        if (c) SDL_FreeCursor(c);
    SDL_Quit();
}

std::unique_ptr<BackendWindow> SdlBackend::createWindow(WindowKind kind, const Rect& b,
                                                        const std::string& title) {
    return std::make_unique<SdlWindow>(*this, kind, b, title);
}

bool SdlBackend::pollEvent(InputEvent& event) {
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        event = InputEvent{};
        if (translate(ev, scale_, event)) return true;
    }
    return false;
}

void SdlBackend::waitEvent(int64_t timeoutMs) {
    if (timeoutMs < 0)
        SDL_WaitEvent(nullptr);
    else
        SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<int64_t>(timeoutMs, 1 << 30)));
}

int64_t SdlBackend::now() {
    return static_cast<int64_t>(SDL_GetTicks64());
}

Rect SdlBackend::workArea() {
    SDL_Rect r{0, 0, 1024, 768};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0) SDL_GetDisplayBounds(0, &r);
    const Point at = toLayout({r.x, r.y}, scale_);
    return Rect::xywh(at.x, at.y, r.w / scale_, r.h / scale_);
}

Point SdlBackend::globalMouse() {
    // SDL's own idea of the pointer follows its events, which lag behind while the window under
    // the pointer moves; the X server knows where it is now.
    SDL_Window* w = SDL_GetMouseFocus();
    if (!w) w = SDL_GetKeyboardFocus();
    if (w)
        if (const auto p = X11Window(w).pointer()) return toLayout(*p, scale_);
    Point p;
    SDL_GetGlobalMouseState(&p.x, &p.y);
    return toLayout(p, scale_);
}

std::string SdlBackend::clipboardText() {
    char* t = SDL_GetClipboardText();
    std::string out = t ? t : "";
    SDL_free(t);
    return out;
}

void SdlBackend::setClipboardText(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
}

void SdlBackend::setTextInput(bool on) {
    if (on == textInput_) return;
    textInput_ = on;
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

SDL_Cursor* SdlBackend::cursor(Cursor c) {
    const auto i = static_cast<size_t>(c);
    if (!cursors_[i]) {
        static constexpr SDL_SystemCursor kinds[] = {
            SDL_SYSTEM_CURSOR_ARROW,    SDL_SYSTEM_CURSOR_IBEAM,  SDL_SYSTEM_CURSOR_HAND,
            SDL_SYSTEM_CURSOR_SIZEWE,   SDL_SYSTEM_CURSOR_SIZENS, SDL_SYSTEM_CURSOR_SIZENWSE,
            SDL_SYSTEM_CURSOR_SIZENESW, SDL_SYSTEM_CURSOR_SIZEALL};
        cursors_[i] = SDL_CreateSystemCursor(kinds[i]);
    }
    return cursors_[i];
}

}  // namespace lymn
