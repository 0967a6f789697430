#include "platform/Control.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/Form.h"
#include "platform/Occlusion.h"

namespace lymn {

Control::Control(Control* parent) : parent_(parent) {
    if (parent_) font_ = parent_->font_;
}

Control::~Control() {
    destroyChildren();
    if (Form* f = parent_ ? form() : nullptr) f->controlDestroyed(this);
    if (Application* app = parent_ ? application() : nullptr) app->forget(this);
}

void Control::destroyChildren() {
    while (!children_.empty()) {
        std::unique_ptr<Control> last = std::move(children_.back());
        children_.pop_back();
        last.reset();
    }
}

void Control::adopt(std::unique_ptr<Control> child) {
    Control& c = *child;
    c.parent_ = this;
    children_.push_back(std::move(child));
    if (c.parentFont_) c.setFont(font_), c.parentFont_ = true;
    childAdded(c);
    if (c.align_ != Align::None) realign();
    c.invalidate();
}

void Control::setParent(Control* parent) {
    if (parent == parent_ || !parent_ || !parent) return;
    if (isAncestorOf(parent)) throw Error("A control cannot be placed inside itself");
    auto& siblings = parent_->children_;
    auto it =
        std::find_if(siblings.begin(), siblings.end(), [this](auto& p) { return p.get() == this; });
    if (it == siblings.end()) return;
    invalidate();
    if (Form* f = form()) f->controlDestroyed(this);
    std::unique_ptr<Control> self = std::move(*it);
    siblings.erase(it);
    Control* old = parent_;
    old->childRemoved(*this);
    old->realign();
    parent->adopt(std::move(self));
}

void Control::removeChild(Control* child) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [child](auto& p) { return p.get() == child; });
    if (it == children_.end()) return;
    child->invalidate();
    std::unique_ptr<Control> doomed = std::move(*it);
    children_.erase(it);
    childRemoved(*doomed);
    doomed.reset();
    realign();
}

Control* Control::findChild(const std::string& name) const {
    for (auto& c : children_) {
        if (c->name_ == name) return c.get();
        if (Control* found = c->findChild(name)) return found;
    }
    return nullptr;
}

Form* Control::form() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return c->asForm();
}

const Form* Control::form() const {
    return const_cast<Control*>(this)->form();
}

Application* Control::application() const {
    const Form* f = form();
    return f ? &const_cast<Form*>(f)->application() : nullptr;
}

int Control::scale() const {
    const Application* app = application();
    return app ? app->scale() : 1;
}

bool Control::isAncestorOf(const Control* c) const {
    for (; c; c = c->parent_)
        if (c == this) return true;
    return false;
}

void Control::setBounds(const Rect& r) {
    if (r == bounds_) return;
    alignTo(r);
    if (parent_ && align_ != Align::None) parent_->realign();
}

void Control::alignTo(const Rect& r) {
    if (r == bounds_) return;
    Rect wanted = r;
    if (!canResize(wanted) || wanted == bounds_) return;
    const bool sized = wanted.size() != bounds_.size();
    invalidate();
    bounds_ = wanted;
    invalidate();
    if (sized) {
        realign();
        resized();
    }
}

bool Control::canResize(Rect&) {
    return true;
}

Point Control::toForm(Point local) const {
    Point p = local;
    for (const Control* c = this; c->parent_; c = c->parent_) p = p + c->bounds_.topLeft();
    return p;
}

Rect Control::formRect() const {
    const Point o = toForm({0, 0});
    return Rect::xywh(o.x, o.y, width(), height());
}

void Control::setAlign(Align a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->realign();
}

void Control::realign() {
    Rect area = clientRect();
    std::vector<Control*> client;
    for (auto& c : children_) {
        if (!c->visible_ || c->align_ == Align::None) continue;
        Rect b = c->bounds_;
        switch (c->align_) {
            case Align::Top:
                b = Rect::xywh(area.left, area.top, area.width(), b.height());
                area.top += b.height();
                break;
            case Align::Bottom:
                b = Rect::xywh(area.left, area.bottom - b.height(), area.width(), b.height());
                area.bottom -= b.height();
                break;
            case Align::Left:
                b = Rect::xywh(area.left, area.top, b.width(), area.height());
                area.left += b.width();
                break;
            case Align::Right:
                b = Rect::xywh(area.right - b.width(), area.top, b.width(), area.height());
                area.right -= b.width();
                break;
            case Align::Client:
                client.push_back(c.get());
                continue;
            case Align::None:
                break;
        }
        c->alignTo(b);
    }
    for (Control* c : client) c->alignTo(area);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    if (!v) {
        invalidate();
        if (Form* f = form()) f->controlHidden(this);
    }
    visible_ = v;
    if (v) invalidate();
    if (parent_ && align_ != Align::None) parent_->realign();
    visibleChanged();
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    if (!e)
        if (Form* f = form()) f->controlHidden(this);
    invalidate();
    enabledChanged();
}

bool Control::effectivelyEnabled() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void Control::setColor(Color c) {
    if (c == color_) return;
    color_ = c;
    invalidate();
    colorChanged();
}

void Control::setFont(const FontSpec& f) {
    parentFont_ = false;
    if (f == font_) return;
    font_ = f;
    propagateParentFont();
    invalidate();
    fontChanged();
}

void Control::setParentFont(bool p) {
    if (p == parentFont_) return;
    parentFont_ = p;
    if (p && parent_) {
        setFont(parent_->font_);
        parentFont_ = true;
    }
}

void Control::propagateParentFont() {
    for (auto& c : children_)
        if (c->parentFont_) {
            c->setFont(font_);
            c->parentFont_ = true;
        }
}

bool Control::canFocus() const {
    return acceptsFocus() && showing() && effectivelyEnabled();
}

bool Control::focused() const {
    const Form* f = form();
    return f && f->focusedControl() == this;
}

void Control::setFocus() {
    if (Form* f = form()) f->setFocusedControl(this);
}

bool Control::mouseInside() const {
    const Form* f = form();
    return f && isAncestorOf(f->hoverControl());
}

void Control::setCapture() {
    if (Form* f = form()) f->setCaptureControl(this);
}

void Control::releaseCapture() {
    Form* f = form();
    if (f && f->captureControl() == this) f->setCaptureControl(nullptr);
}

bool Control::hasCapture() const {
    const Form* f = form();
    return f && f->captureControl() == this;
}

void Control::bringToFront() {
    if (!parent_) return;
    auto& s = parent_->children_;
    auto it = std::find_if(s.begin(), s.end(), [this](auto& p) { return p.get() == this; });
    if (it == s.end() || it + 1 == s.end()) return;
    std::rotate(it, it + 1, s.end());
    invalidate();
}

void Control::sendToBack() {
    if (!parent_) return;
    auto& s = parent_->children_;
    auto it = std::find_if(s.begin(), s.end(), [this](auto& p) { return p.get() == this; });
    if (it == s.end() || it == s.begin()) return;
    std::rotate(s.begin(), it, it + 1);
    invalidate();
}

void Control::invalidate() {
    invalidate(clientRect());
}

void Control::invalidate(const Rect& local) {
    if (!showing()) return;
    Form* f = form();
    if (!f) return;
    // Only the part inside every ancestor can show.
    Rect r = local;
    const Control* c = this;
    while (c->parent_) {
        r = r.intersected(c->clientRect()).translated(c->bounds_.topLeft());
        c = c->parent_;
    }
    r = r.intersected(c->clientRect());
    if (!r.empty()) f->invalidateRect(r);
}

void Control::paint(Canvas&) {}

void Control::paintTree(Canvas& canvas) {
    CanvasSaver saver(canvas);
    canvas.intersectClip(clientRect());
    if (canvas.clipEmpty()) return;
    const Rect clip = canvas.clip();
    const Occlusion occlusion(*this);
    // This control paints only what its opaque descendants leave uncovered.
    for (const Rect& part : occlusion.exposedParts(clip)) {
        CanvasSaver piece(canvas);
        canvas.intersectClip(part);
        paint(canvas);
    }
    for (size_t i = 0; i < children_.size(); ++i) {
        const auto& c = children_[i];
        if (!c->visible_ || occlusion.childHidden(i, clip)) continue;
        CanvasSaver childSaver(canvas);
        canvas.translate(c->bounds_.topLeft());
        c->paintTree(canvas);
    }
}

void Control::paintParentBackground(Canvas& canvas) {
    if (!parent_) return;
    CanvasSaver saver(canvas);
    canvas.translate(-bounds_.left, -bounds_.top);
    canvas.intersectClip(parent_->clientRect());
    parent_->paint(canvas);
}

void Control::mouseDown(const MouseEvent&) {}
void Control::mouseUp(const MouseEvent&) {}
void Control::mouseMove(const MouseEvent&) {}

void Control::mouseEnter() {
    if (onMouseEnter) onMouseEnter(*this);
}

void Control::mouseLeave() {
    if (onMouseLeave) onMouseLeave(*this);
}

bool Control::mouseWheel(int) {
    return false;
}
bool Control::keyDown(const KeyEvent&) {
    return false;
}
bool Control::keyUp(const KeyEvent&) {
    return false;
}
bool Control::textInput(const std::string&) {
    return false;
}
bool Control::wantsKey(const KeyEvent&) const {
    return false;
}
void Control::focusIn() {}
void Control::focusOut() {}
void Control::timer(int) {}
Control* Control::controlAt(Point local) {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control& c = **it;
        if (!c.visible_) continue;
        const Point p = local - c.bounds_.topLeft();
        if (c.clientRect().contains(p))
            if (Control* hit = c.controlAt(p)) return hit;
    }
    return hitSelf(local) ? this : nullptr;
}

}  // namespace lymn
