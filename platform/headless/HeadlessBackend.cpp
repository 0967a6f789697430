#include "platform/headless/HeadlessBackend.h"

#include <functional>

namespace lymn {

HeadlessWindow::HeadlessWindow(uint32_t id, WindowKind kind, const Rect& bounds)
    : id_(id), kind_(kind), position_(bounds.topLeft()), size_(bounds.size()) {}

void HeadlessWindow::present(const Bitmap& frame, const std::vector<Rect>& dirty) {
    presented_ = &frame;
    lastDirty_ = dirty;
    ++presents_;
}

void HeadlessWindow::minimize() {
    minimized_ = true;
}

void HeadlessWindow::activate() {
    ++activations_;
    if (backend_) backend_->active_ = id_;
}

bool HeadlessWindow::beginSystemMove(Point pressedAt) {
    if (!backend_ || !backend_->windowManager_) return false;
    ++systemMoves_;
    systemMoveStart_ = pressedAt;
    // The manager has the pointer now: the release comes at once.
    InputEvent up = backend_->at(InputEvent::Type::MouseUp, id_, pressedAt - position_);
    up.button = MouseButton::Left;
    backend_->inject(up);
    return true;
}

namespace {

// Deregisters the window from its backend when the core lets it go.
class OwnedHeadlessWindow : public HeadlessWindow {
  public:
    using HeadlessWindow::HeadlessWindow;
    ~OwnedHeadlessWindow() override { gone(); }
    std::function<void()> gone;
};

}  // namespace

HeadlessBackend::HeadlessBackend(Rect screen, int scale) : screen_(screen), scale_(scale) {}

HeadlessBackend::~HeadlessBackend() = default;

std::unique_ptr<BackendWindow> HeadlessBackend::createWindow(WindowKind kind, const Rect& bounds,
                                                             const std::string& title) {
    const uint32_t id = nextId_++;
    auto w = std::make_unique<OwnedHeadlessWindow>(id, kind, bounds);
    w->setTitle(title);
    w->gone = [this, id] { windowGone(id); };
    w->backend_ = this;
    windows_[id] = w.get();
    return w;
}

bool HeadlessBackend::pollEvent(InputEvent& event) {
    if (queue_.empty()) return false;
    event = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

void HeadlessBackend::waitEvent(int64_t timeoutMs) {
    // Waiting is the only way virtual time passes.
    if (queue_.empty() && timeoutMs > 0) now_ += timeoutMs;
}

HeadlessWindow* HeadlessBackend::window(uint32_t id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second;
}

void HeadlessBackend::inject(const InputEvent& e) {
    queue_.push_back(e);
}

InputEvent HeadlessBackend::at(InputEvent::Type type, uint32_t window, Point pos) {
    InputEvent e;
    e.type = type;
    e.window = window;
    e.pos = pos;
    HeadlessWindow* w = this->window(window);
    e.global = w ? w->position() + pos : pos;
    mouse_ = e.global;
    return e;
}

void HeadlessBackend::mouseMove(uint32_t window, Point pos) {
    inject(at(InputEvent::Type::MouseMove, window, pos));
}

void HeadlessBackend::mouseDown(uint32_t window, Point pos, MouseButton b, int clicks) {
    InputEvent e = at(InputEvent::Type::MouseDown, window, pos);
    e.button = b;
    e.clicks = clicks;
    inject(e);
}

void HeadlessBackend::mouseUp(uint32_t window, Point pos, MouseButton b) {
    InputEvent e = at(InputEvent::Type::MouseUp, window, pos);
    e.button = b;
    inject(e);
}

void HeadlessBackend::wheel(uint32_t window, int notches) {
    InputEvent e;
    e.type = InputEvent::Type::Wheel;
    e.window = window;
    e.wheel = notches;
    inject(e);
}

void HeadlessBackend::closeRequest(uint32_t window) {
    InputEvent e;
    e.type = InputEvent::Type::Close;
    e.window = window;
    inject(e);
}

void HeadlessBackend::key(InputEvent::Type type, uint32_t window, Key k, unsigned mods) {
    InputEvent e;
    e.type = type;
    e.window = window;
    e.key = k;
    e.mods = mods;
    inject(e);
}

void HeadlessBackend::keyDown(uint32_t window, Key k, unsigned mods) {
    key(InputEvent::Type::KeyDown, window, k, mods);
}

void HeadlessBackend::keyUp(uint32_t window, Key k, unsigned mods) {
    key(InputEvent::Type::KeyUp, window, k, mods);
}

void HeadlessBackend::text(uint32_t window, const std::string& t) {
    InputEvent e;
    e.type = InputEvent::Type::Text;
    e.window = window;
    e.text = t;
    inject(e);
}

void HeadlessBackend::dropFile(uint32_t window, const std::string& path) {
    InputEvent e;
    e.type = InputEvent::Type::DropFile;
    e.window = window;
    e.text = path;
    inject(e);
}

}  // namespace lymn
