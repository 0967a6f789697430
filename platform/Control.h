#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Event.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

namespace lymn {

class Application;
class Form;

enum class Align { None, Top, Bottom, Left, Right, Client };

// A node of the window's control tree. A parent owns its children; children are painted and
// hit in their order, the last one on top. Positions are relative to the parent.
class Control {
  public:
    explicit Control(Control* parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Creates a child owned by this control.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *child;
        adopt(std::move(child));
        return ref;
    }
    // Moves this control (with its ownership) under another parent.
    void setParent(Control* parent);
    // Destroys a child.
    void removeChild(Control* child);

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    Control* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    Control* findChild(const std::string& name) const;  // depth-first
    Form* form();
    const Form* form() const;
    // This control as a top-level form, if it is one (cheaper than a dynamic cast, which every
    // invalidation would otherwise pay for).
    virtual Form* asForm() { return nullptr; }
    Application* application() const;
    // Device pixels per layout unit of the window the control is in (1 outside a window): the
    // scale its pictures are loaded at.
    int scale() const;
    bool isAncestorOf(const Control* c) const;

    // Geometry.
    const Rect& bounds() const { return bounds_; }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    Rect clientRect() const { return Rect::ofSize(bounds_.size()); }
    void setBounds(const Rect& r);
    void setBounds(int x, int y, int w, int h) { setBounds(Rect::xywh(x, y, w, h)); }
    void setLeft(int x) { setBounds(Rect::xywh(x, top(), width(), height())); }
    void setTop(int y) { setBounds(Rect::xywh(left(), y, width(), height())); }
    void setWidth(int w) { setBounds(Rect::xywh(left(), top(), w, height())); }
    void setHeight(int h) { setBounds(Rect::xywh(left(), top(), width(), h)); }
    Point toForm(Point local) const;
    Rect formRect() const;  // bounds in the top-level form's coordinates
    Align align() const { return align_; }
    void setAlign(Align a);
    void realign();

    // State.
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool showing() const;  // visible, and every ancestor too
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool effectivelyEnabled() const;
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool t) { tabStop_ = t; }
    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int t) { tabOrder_ = t; }
    Cursor cursor() const { return cursor_; }
    void setCursor(Cursor c) { cursor_ = c; }
    const std::string& hint() const { return hint_; }
    void setHint(std::string h) { hint_ = std::move(h); }
    bool showHint() const { return showHint_; }
    void setShowHint(bool s) { showHint_ = s; }
    Color color() const { return color_; }
    void setColor(Color c);
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& f);
    bool parentFont() const { return parentFont_; }
    void setParentFont(bool p);

    // Focus and mouse.
    virtual bool acceptsFocus() const { return false; }
    // Whether Tab reaches the controls inside this one (a page behind another does not).
    virtual bool tabsInto() const { return true; }
    bool canFocus() const;
    bool focused() const;
    void setFocus();
    bool mouseInside() const;
    void setCapture();
    void releaseCapture();
    bool hasCapture() const;

    // Z-order among the siblings.
    void bringToFront();
    void sendToBack();

    // Painting.
    void invalidate();
    void invalidate(const Rect& local);
    void repaint() { invalidate(); }
    // Draws this control in its own coordinates; the children are drawn after it.
    virtual void paint(Canvas& canvas);
    // Whether the control's paint covers every pixel of its bounds (what lies under it need
    // not be painted; see Occlusion).
    virtual bool opaque() const { return false; }
    // Paints this control and its children into a canvas positioned at its origin.
    void paintTree(Canvas& canvas);
    // The parent paints its own background and content under this control into the canvas,
    // which stands at this control's origin.
    void paintParentBackground(Canvas& canvas);

    // Events, in this control's coordinates.
    virtual void mouseDown(const MouseEvent& e);
    virtual void mouseUp(const MouseEvent& e);
    virtual void mouseMove(const MouseEvent& e);
    virtual void mouseEnter();
    virtual void mouseLeave();
    // Wheel notches (positive away from the user); unhandled ones go to the parent.
    virtual bool mouseWheel(int notches);
    virtual bool keyDown(const KeyEvent& e);
    virtual bool keyUp(const KeyEvent& e);
    virtual bool textInput(const std::string& text);
    // Whether the control takes this key itself rather than leaving it to the form's
    // dialog navigation (Tab, Enter, Escape, arrows).
    virtual bool wantsKey(const KeyEvent& e) const;
    virtual void focusIn();
    virtual void focusOut();
    // The mouse was taken away while this control held it (a modal box opened).
    virtual void captureLost() {}
    virtual void timer(int id);
    // Enter or Escape that no focused control took: a default or cancel button clicks.
    virtual bool dialogKey(const KeyEvent&) { return false; }
    // The accelerator character of the caption, if any; and what the control does for it.
    virtual char32_t accelerator() const { return 0; }
    virtual void accelerate() {}
    virtual void resized() {}
    // The window's layout has been read (every property set); see Form::finishLoading.
    virtual void loaded() {}
    // The form has finished reading its layout (after every loaded()).
    virtual void loadingFinished() {}
    // Called before the bounds change; a control may refuse or adjust them.
    virtual bool canResize(Rect& newBounds);
    virtual void fontChanged() {}
    virtual void colorChanged() {}
    virtual void visibleChanged() {}
    virtual void enabledChanged() {}
    // Hit test for mouse routing: whether the point (local) belongs to this control.
    virtual bool hitSelf(Point local) const { return clientRect().contains(local); }

    // Mouse events of the nearest control the point lands on.
    Control* controlAt(Point local);

    // Events of the control, for the program's handlers.
    std::function<void(Control&)> onClick;
    std::function<void(Control&)> onMouseEnter;
    std::function<void(Control&)> onMouseLeave;

  protected:
    void adopt(std::unique_ptr<Control> child);
    void destroyChildren();
    virtual void childAdded(Control&) {}
    virtual void childRemoved(Control&) {}
    void propagateParentFont();

  private:
    // Sets the bounds on behalf of the parent's alignment, without realigning the parent.
    void alignTo(const Rect& r);

    std::string name_;
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    Rect bounds_;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = false;
    int tabOrder_ = 0;
    Cursor cursor_ = Cursor::Arrow;
    std::string hint_;
    bool showHint_ = false;
    Color color_ = sysColor(SysColor::ButtonFace);
    FontSpec font_;
    bool parentFont_ = true;
};

}  // namespace lymn
