#include "platform/Form.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/HintWindow.h"

namespace lymn {

namespace {

const int kHintTimer = 0x4801;
// While the window follows the mouse it also looks where the pointer is: the desktop reports no
// motion where the pointer stays put on a window that moves along with it.
const int kTrackTimer = 0x4803;
const int kTrackInterval = 15;

bool isBorder(HitTest h) {
    switch (h) {
        case HitTest::Left:
        case HitTest::Right:
        case HitTest::Top:
        case HitTest::Bottom:
        case HitTest::TopLeft:
        case HitTest::TopRight:
        case HitTest::BottomLeft:
        case HitTest::BottomRight:
            return true;
        default:
            return false;
    }
}

Cursor borderCursor(HitTest h) {
    switch (h) {
        case HitTest::Left:
        case HitTest::Right:
            return Cursor::SizeWE;
        case HitTest::Top:
        case HitTest::Bottom:
            return Cursor::SizeNS;
        case HitTest::TopLeft:
        case HitTest::BottomRight:
            return Cursor::SizeNWSE;
        case HitTest::TopRight:
        case HitTest::BottomLeft:
            return Cursor::SizeNESW;
        default:
            return Cursor::Arrow;
    }
}

}  // namespace

Form::Form(Application& app, WindowKind kind) : Control(nullptr), app_(app), kind_(kind) {
    setColor(sysColor(SysColor::ButtonFace));
    window_ = app_.backend().createWindow(kind, Rect::xywh(0, 0, 1, 1), "");
    setBounds(Rect::xywh(0, 0, 1, 1));
    app_.registerForm(this);
}

Form::~Form() {
    // The children go first, while the form and its window are still whole.
    destroyChildren();
    hint_.reset();
    app_.unregisterForm(this);
    app_.forget(this);
}

void Form::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    window_->setTitle(c);
}

void Form::show() {
    if (windowShown_) return;
    closed_ = false;
    windowShown_ = true;
    if (!shownOnce_ && centerOnFirstShow_) centerOnScreen();
    setVisible(true);
    invalidate();
    active_ = kind_ != WindowKind::Tooltip && kind_ != WindowKind::Popup;
    FormMessage m{FormMessage::Kind::ShowWindow};
    dispatchHooks(m);
    // Mapped first, then drawn once: a frame drawn into a hidden window is lost work.
    window_->show();
    invalidate();
    present();
    const bool first = !shownOnce_;
    if (first) {
        shownOnce_ = true;
        if (onShow) onShow(*this);
    }
    if (kind_ != WindowKind::Main && kind_ != WindowKind::Dialog) return;
    // A form that appears takes the keyboard; a form that asks for it gives it to its first
    // control in the tab order unless one holds it already.
    if (first && focusFirstOnShow_ && !focused_ && windowShown_) focusNext(true);
    if (windowShown_) window_->activate();
}

void Form::hide() {
    if (!windowShown_) return;
    windowShown_ = false;
    hideHint();
    setCaptureControl(nullptr);
    updateHover(nullptr);
    if (tracking_.active) endTracking();
    window_->hide();
    // A popup or a box that had the keyboard gives it back to its window, as no window
    // manager may be there to do it.
    const bool owned = kind_ == WindowKind::Popup || kind_ == WindowKind::Dialog;
    if (owned && owner_ && active_ && owner_->windowShown()) owner_->window().activate();
}

void Form::close() {
    if (closed_) return;
    closed_ = true;
    hide();
    if (onClose) onClose(*this);
}

void Form::setPosition(Point p) {
    if (p == position_) return;
    position_ = p;
    window_->setPosition(p);
}

void Form::centerOnScreen() {
    const Rect area = app_.backend().workArea();
    setPosition(
        {area.left + (area.width() - width()) / 2, area.top + (area.height() - height()) / 2});
}

void Form::setMinimumSize(Size s) {
    if (s == minimum_) return;
    minimum_ = s;
    window_->setMinimumSize(s);
}

void Form::setMaximumSize(Size s) {
    maximum_ = s;
}

void Form::minimize() {
    minimized_ = true;
    window_->minimize();
}

int Form::addHook(Hook hook) {
    hooks_[nextHook_] = std::move(hook);
    return nextHook_++;
}

void Form::removeHook(int id) {
    hooks_.erase(id);
}

void Form::dispatchHooks(FormMessage& m) {
    // A hook may add or remove hooks while it runs.
    std::vector<int> ids;
    for (auto& [id, h] : hooks_) ids.push_back(id);
    for (int id : ids) {
        auto it = hooks_.find(id);
        if (it != hooks_.end()) it->second(m);
    }
}

HitTest Form::hitTest(Point pos) {
    FormMessage m{FormMessage::Kind::HitTest};
    m.pos = pos;
    m.result = clientRect().contains(pos) ? HitTest::Client : HitTest::Nowhere;
    dispatchHooks(m);
    return m.result;
}

void Form::setOwnerForm(Form* f) {
    if (f == owner_) return;
    owner_ = f;
    window_->setOwner(f ? &f->window() : nullptr);
}

void Form::beginMove() {
    if (maximized()) return;
    setCaptureControl(nullptr);
    beginTracking(HitTest::Caption, app_.backend().globalMouse());
}

void Form::beginTracking(HitTest what, Point global) {
    tracking_ = {true, what, global, screenBounds()};
    window_->captureMouse(true);
    app_.setTimer(this, kTrackTimer, kTrackInterval);
}

void Form::endTracking() {
    tracking_.active = false;
    app_.killTimer(this, kTrackTimer);
    window_->captureMouse(false);
}

void Form::track(Point global) {
    const Point d = global - tracking_.startMouse;
    Rect r = tracking_.startBounds;
    if (tracking_.what == HitTest::Caption) {
        // Once the mouse moves with the button held, a window manager takes the move where one
        // runs (a click alone never starts one that would wait for a release already gone).
        if (!tracking_.ownLoop && d != Point{0, 0}) {
            tracking_.ownLoop = true;
            if (window_->beginSystemMove(tracking_.startMouse)) {
                endTracking();
                systemMove_ = true;
                return;
            }
        }
        setPosition(r.topLeft() + d);
        return;
    }
    const HitTest h = tracking_.what;
    const bool left = h == HitTest::Left || h == HitTest::TopLeft || h == HitTest::BottomLeft;
    const bool right = h == HitTest::Right || h == HitTest::TopRight || h == HitTest::BottomRight;
    const bool top = h == HitTest::Top || h == HitTest::TopLeft || h == HitTest::TopRight;
    const bool bottom =
        h == HitTest::Bottom || h == HitTest::BottomLeft || h == HitTest::BottomRight;
    auto clampW = [this](int w) {
        w = std::max(w, std::max(minimum_.width, 1));
        return maximum_.width > 0 ? std::min(w, maximum_.width) : w;
    };
    auto clampH = [this](int hgt) {
        hgt = std::max(hgt, std::max(minimum_.height, 1));
        return maximum_.height > 0 ? std::min(hgt, maximum_.height) : hgt;
    };
    if (left) r.left = r.right - clampW(r.width() - d.x);
    if (right) r.right = r.left + clampW(r.width() + d.x);
    if (top) r.top = r.bottom - clampH(r.height() - d.y);
    if (bottom) r.bottom = r.top + clampH(r.height() + d.y);
    setPosition(r.topLeft());
    setSize(r.width(), r.height());
}

void Form::setFocusedControl(Control* c) {
    if (c == focused_) return;
    if (c && !c->canFocus()) return;
    Control* old = focused_;
    focused_ = c;
    if (old) old->focusOut();
    // The old control's handler may have moved the focus on.
    if (focused_ == c && c) c->focusIn();
}

void Form::setCaptureControl(Control* c) {
    Control* old = capture_;
    capture_ = c;
    implicitCapture_ = false;
    window_->captureMouse(c != nullptr);
    if (old && old != c) old->captureLost();
}

std::vector<Control*> Form::tabOrderList() {
    std::vector<Control*> out;
    std::function<void(Control&)> walk = [&](Control& parent) {
        std::vector<Control*> kids;
        for (auto& c : parent.children()) kids.push_back(c.get());
        std::stable_sort(kids.begin(), kids.end(),
                         [](Control* a, Control* b) { return a->tabOrder() < b->tabOrder(); });
        for (Control* c : kids) {
            if (!c->visible()) continue;
            if (c->tabStop() && c->canFocus()) out.push_back(c);
            if (c->tabsInto()) walk(*c);
        }
    };
    walk(*this);
    return out;
}

void Form::focusNext(bool forward) {
    auto list = tabOrderList();
    if (list.empty()) return;
    // The focus may sit in a part of a tab stop (the inner edit of a text edit).
    Control* from = focused_;
    while (from && std::find(list.begin(), list.end(), from) == list.end()) from = from->parent();
    auto it = std::find(list.begin(), list.end(), from);
    if (it == list.end()) {
        setFocusedControl(forward ? list.front() : list.back());
        return;
    }
    const auto n = static_cast<long>(list.size());
    long i = it - list.begin();
    i = ((forward ? i + 1 : i - 1) % n + n) % n;
    setFocusedControl(list[static_cast<size_t>(i)]);
}

void Form::invalidateRect(const Rect& r) {
    dirty_.add(r.intersected(clientRect()));
}

void Form::compose() {
    // The frame follows the size only here: a window sized in several steps while it is being
    // built allocates its frame once.
    const int scale = app_.scale();
    if (frame_.width() != width() || frame_.height() != height() || frame_.scale() != scale)
        frame_.resize(width(), height(), color(), scale);
    for (const Rect& r : dirty_.rects()) {
        Canvas canvas(frame_, &app_.fonts());
        canvas.intersectClip(r);
        paintTree(canvas);
    }
}

void Form::present() {
    if (dirty_.empty()) return;
    compose();
    if (windowShown_) window_->present(frame_, dirty_.rects());
    dirty_.clear();
}

void Form::paint(Canvas& canvas) {
    canvas.fillRect(clientRect(), color());
    FormMessage m{FormMessage::Kind::EraseBackground};
    m.canvas = &canvas;
    dispatchHooks(m);
}

void Form::resized() {
    window_->setSize(bounds().size());
    dirty_.clear();
    invalidateRect(clientRect());
    FormMessage m{FormMessage::Kind::Size};
    dispatchHooks(m);
}

MouseEvent Form::localEvent(const InputEvent& e, Control* c) const {
    MouseEvent m;
    const Point origin = c->toForm({0, 0});
    m.pos = e.pos - origin;
    m.button = e.button;
    m.mods = e.mods;
    m.clicks = e.clicks;
    return m;
}

void Form::updateHover(Control* now) {
    if (now == hover_) return;
    Control* old = hover_;
    hover_ = now;
    // A control stays hovered while the pointer is over it or over one of its children: only
    // the controls the pointer has left hear a leave (the innermost first), and only those it
    // has come into hear an enter (the outermost first).
    std::vector<Control*> left, entered;
    for (Control* c = old; c && !c->isAncestorOf(now); c = c->parent()) left.push_back(c);
    for (Control* c = now; c && !c->isAncestorOf(old); c = c->parent()) entered.push_back(c);
    // A handler may move the hover on; the controls after it are then the next move's to tell.
    for (auto it = left.begin(); it != left.end() && hover_ == now; ++it) (*it)->mouseLeave();
    for (auto it = entered.rbegin(); it != entered.rend() && hover_ == now; ++it)
        (*it)->mouseEnter();
    hideHint();
    if (hover_ && hover_->showHint() && !hover_->hint().empty())
        app_.setTimer(this, kHintTimer, kHintDelay);
}

void Form::hideHint() {
    app_.killTimer(this, kHintTimer);
    if (hint_) hint_->hide();
}

bool Form::hintShown() const {
    return hint_ && hint_->windowShown();
}

void Form::timer(int id) {
    if (id == kTrackTimer) {
        // Only a running move has this timer: its end kills it.
        track(app_.backend().globalMouse());
        return;
    }
    if (id == kFocusCheckTimer) {
        app_.killTimer(this, kFocusCheckTimer);
        if (!app_.anyFormActive() && windowShown_ && onOutsideClick) onOutsideClick();
        return;
    }
    if (id != kHintTimer) return;
    app_.killTimer(this, kHintTimer);
    if (!hover_ || !hover_->showHint() || hover_->hint().empty() || !windowShown_) return;
    if (!hint_) hint_ = std::make_unique<HintWindow>(app_);
    hint_->showAt(hover_->hint(), app_.backend().globalMouse() + Point{0, 20});
}

HitTest Form::hitTestAt(Point pos) {
    // Only the form's own uncovered pixels ask it; a child under the mouse is client area.
    return controlAt(pos) == this ? hitTest(pos) : HitTest::Client;
}

void Form::updateCursor(Point pos) {
    const HitTest h = hitTestAt(pos);
    Cursor c = Cursor::Arrow;
    if (isBorder(h))
        c = borderCursor(h);
    else if (hover_)
        c = hover_->cursor();
    if (c == cursor_) return;
    cursor_ = c;
    window_->setCursor(c);
}

void Form::mouseMoveTo(const InputEvent& e) {
    if (tracking_.active) {
        // Where the pointer is now: an event's place, taken against a window that this very
        // move has shifted since, would lag behind.
        track(app_.backend().globalMouse());
        return;
    }
    Control* under = clientRect().contains(e.pos) ? controlAt(e.pos) : nullptr;
    updateHover(under);
    updateCursor(e.pos);
    Control* target = capture_ ? capture_ : hover_;
    if (target && target->effectivelyEnabled()) target->mouseMove(localEvent(e, target));
}

void Form::mouseDownAt(const InputEvent& e) {
    hideHint();
    if (tracking_.active) return;
    const HitTest h = hitTestAt(e.pos);
    if (isBorder(h) && e.button == MouseButton::Left) {
        beginTracking(h, e.global);
        return;
    }
    Control* under = clientRect().contains(e.pos) ? controlAt(e.pos) : nullptr;
    updateHover(under);
    Control* target = capture_ ? capture_ : under;
    if (!target || !target->effectivelyEnabled()) return;
    if (target->canFocus() && !target->focused()) target->setFocus();
    if (!capture_) {
        // The control under a pressed button gets the mouse until it is released.
        capture_ = target;
        implicitCapture_ = true;
        window_->captureMouse(true);
    }
    target->mouseDown(localEvent(e, target));
}

void Form::mouseUpAt(const InputEvent& e) {
    if (systemMove_ && e.button == MouseButton::Left) {
        // The release that ends a move handed to the window manager belongs to that move.
        systemMove_ = false;
        return;
    }
    if (tracking_.active) {
        if (e.button == MouseButton::Left) {
            // The last stretch of the move, by this loop: the button is up already.
            tracking_.ownLoop = true;
            track(app_.backend().globalMouse());
            endTracking();
        }
        return;
    }
    Control* target = capture_ ? capture_ : hover_;
    const bool implicit = implicitCapture_ && capture_ == target;
    if (target && target->effectivelyEnabled()) target->mouseUp(localEvent(e, target));
    if (implicit && capture_ == target) setCaptureControl(nullptr);
    Control* under = clientRect().contains(e.pos) ? controlAt(e.pos) : nullptr;
    updateHover(under);
}

void Form::keyDownEvent(const InputEvent& e) {
    hideHint();
    KeyEvent k{e.key, e.mods};
    if (k.key == Key::F4 && k.mods == mods::Alt) {
        // The desktop's close shortcut, where no window manager takes it first.
        close();
        return;
    }
    FormMessage m{FormMessage::Kind::KeyDown};
    m.key = k;
    dispatchHooks(m);
    if (m.handled) return;
    if (focused_ && focused_->wantsKey(k)) {
        focused_->keyDown(k);
        return;
    }
    if (k.key == Key::Tab && !(k.mods & (mods::Ctrl | mods::Alt))) {
        focusNext(!(k.mods & mods::Shift));
        return;
    }
    if (focused_ && focused_->keyDown(k)) return;
    if (k.key == Key::Enter || k.key == Key::Escape) {
        std::function<bool(Control&)> offer = [&](Control& c) {
            for (auto& child : c.children()) {
                if (!child->showing() || !child->effectivelyEnabled()) continue;
                if (child->dialogKey(k) || offer(*child)) return true;
            }
            return false;
        };
        if (offer(*this)) return;
    }
    // Accelerators: Alt with a character, or the character alone.
    const int code = static_cast<int>(k.key);
    if (code > 32 && code < 127) {
        std::function<Control*(Control&)> find = [&](Control& c) -> Control* {
            for (auto& child : c.children()) {
                if (!child->showing() || !child->effectivelyEnabled()) continue;
                const char32_t a = child->accelerator();
                if (a && std::tolower(static_cast<int>(a)) == code) return child.get();
                if (Control* f = find(*child)) return f;
            }
            return nullptr;
        };
        if (Control* c = find(*this)) c->accelerate();
    }
}

void Form::handleInput(const InputEvent& e) {
    switch (e.type) {
        case InputEvent::Type::MouseMove:
            mouseMoveTo(e);
            break;
        case InputEvent::Type::MouseDown:
            mouseDownAt(e);
            break;
        case InputEvent::Type::MouseUp:
            mouseUpAt(e);
            break;
        case InputEvent::Type::Wheel:
            for (Control* c = hover_; c; c = c->parent())
                if (c->effectivelyEnabled() && c->mouseWheel(e.wheel)) break;
            break;
        case InputEvent::Type::MouseLeave:
            if (!capture_ && !tracking_.active) updateHover(nullptr);
            break;
        case InputEvent::Type::KeyDown:
            keyDownEvent(e);
            break;
        case InputEvent::Type::KeyUp:
            if (focused_) focused_->keyUp({e.key, e.mods});
            break;
        case InputEvent::Type::Text:
            if (focused_) focused_->textInput(e.text);
            break;
        case InputEvent::Type::Close:
            close();
            break;
        case InputEvent::Type::Activate:
        case InputEvent::Type::Deactivate: {
            active_ = e.type == InputEvent::Type::Activate;
            FormMessage m{FormMessage::Kind::Activate};
            m.active = active_;
            dispatchHooks(m);
            break;
        }
        case InputEvent::Type::Expose:
            invalidate();
            break;
        case InputEvent::Type::Moved:
            position_ = e.global;
            break;
        case InputEvent::Type::Resized:
            setSize(e.size.width, e.size.height);
            break;
        case InputEvent::Type::Minimized:
            minimized_ = true;
            break;
        case InputEvent::Type::Restored:
            minimized_ = false;
            invalidate();
            break;
        case InputEvent::Type::DropFile:
            if (onDropFile) onDropFile(e.text);
            break;
    }
}

void Form::controlDestroyed(Control* c) {
    if (focused_ && c->isAncestorOf(focused_)) focused_ = nullptr;
    if (capture_ && c->isAncestorOf(capture_)) capture_ = nullptr;
    if (hover_ && c->isAncestorOf(hover_)) hover_ = nullptr;
}

void Form::controlHidden(Control* c) {
    if (focused_ && c->isAncestorOf(focused_)) setFocusedControl(nullptr);
    if (capture_ && c->isAncestorOf(capture_)) setCaptureControl(nullptr);
    // The pointer is still over the hidden control's parent.
    if (hover_ && c->isAncestorOf(hover_)) updateHover(c->parent());
}

void Form::finishLoading() {
    std::function<void(Control&)> walk = [&](Control& c) {
        for (auto& child : c.children()) {
            child->loaded();
            walk(*child);
        }
    };
    loaded();
    walk(*this);
    loading_ = false;
    std::function<void(Control&)> finish = [&](Control& c) {
        for (auto& child : c.children()) {
            child->loadingFinished();
            finish(*child);
        }
    };
    finish(*this);
}

void Form::created() {
    if (!onCreate) return;
    app_.guarded([this] { onCreate(*this); });
}

}  // namespace lymn
