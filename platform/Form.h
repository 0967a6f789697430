#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/Control.h"
#include "platform/DirtyRegion.h"

namespace lymn {

class Application;
class HintWindow;

// A message of the top-level window, seen by the form's hooks after its own handling; a hook
// may change the result (what a replaced window procedure does on the desktop).
struct FormMessage {
    enum class Kind { Activate, Size, EraseBackground, HitTest, KeyDown, ShowWindow };
    Kind kind = Kind::Size;
    bool active = false;               // Activate
    Point pos;                         // HitTest, form coordinates
    HitTest result = HitTest::Client;  // HitTest
    Canvas* canvas = nullptr;          // EraseBackground
    KeyEvent key;                      // KeyDown
    bool handled = false;              // KeyDown
};

// A top-level window: the root of a control tree, composed into its own frame buffer.
class Form : public Control {
  public:
    explicit Form(Application& app, WindowKind kind = WindowKind::Main);
    ~Form() override;

    Form* asForm() override { return this; }
    Application& application() { return app_; }
    WindowKind kind() const { return kind_; }
    BackendWindow& window() { return *window_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);

    // The window on the screen.
    void show();
    void hide();
    bool windowShown() const { return windowShown_; }
    void close();
    bool closed() const { return closed_; }
    Point position() const { return position_; }
    void setPosition(Point p);
    Rect screenBounds() const { return Rect::xywh(position_.x, position_.y, width(), height()); }
    void setSize(int w, int h) { setBounds(Rect::xywh(0, 0, w, h)); }
    void centerOnScreen();
    // Centres the window on the desktop when it is first shown, before it appears.
    void setCenterOnFirstShow(bool c) { centerOnFirstShow_ = c; }
    // When first shown, the first control of the tab order takes the focus, as a desktop form
    // does when it is activated with no control chosen.
    void setFocusFirstOnShow(bool f) { focusFirstOnShow_ = f; }
    Size minimumSize() const { return minimum_; }
    void setMinimumSize(Size s);
    Size maximumSize() const { return maximum_; }
    void setMaximumSize(Size s);
    bool minimized() const { return minimized_; }
    void minimize();
    bool active() const { return active_; }
    bool maximized() const { return false; }
    // The window region: a rectangle with its two top corners rounded by this size (0: the
    // whole window).
    int regionCorner() const { return regionCorner_; }
    void setRegionCorner(int r) { regionCorner_ = r; }
    bool loading() const { return loading_; }
    void setLoading(bool l) { loading_ = l; }
    // Ends the reading of the layout: every control is told (depth first, in child order), then
    // the form stops loading.
    void finishLoading();
    int modalResult() const { return modalResult_; }
    void setModalResult(int r) { modalResult_ = r; }

    // Message hooks, called in the order they were added.
    using Hook = std::function<void(FormMessage&)>;
    int addHook(Hook hook);
    void removeHook(int id);
    HitTest hitTest(Point pos);
    // The caption was pressed: the window follows the mouse until the button is released.
    void beginMove();
    bool tracking() const { return tracking_.active; }

    // Focus, capture and the control under the mouse.
    Control* focusedControl() const { return focused_; }
    void setFocusedControl(Control* c);
    Control* captureControl() const { return capture_; }
    void setCaptureControl(Control* c);
    Control* hoverControl() const { return hover_; }
    std::vector<Control*> tabOrderList();
    void focusNext(bool forward);

    // Composition.
    void invalidateRect(const Rect& r);
    bool dirty() const { return !dirty_.empty(); }
    void compose();
    void present();
    const Bitmap& frame() const { return frame_; }
    void paint(Canvas& canvas) override;

    // Routing of backend events.
    void handleInput(const InputEvent& e);

    // Events of the form.
    std::function<void(Form&)> onCreate;
    std::function<void(Form&)> onShow;
    std::function<void(Form&)> onClose;
    // A file dropped onto the window from the desktop, by its path.
    std::function<void(const std::string&)> onDropFile;
    // A popup: what a mouse press outside it, or the owner window losing the focus, does.
    std::function<void()> onOutsideClick;

    // The hint shown for the control under the mouse, if any.
    const HintWindow* hintWindow() const { return hint_.get(); }
    bool hintShown() const;
    static constexpr int kHintDelay = 500;
    static constexpr int kFocusCheckTimer = 0x4802;
    // The window that opened this one: a popup's keys go there, a dialog stays above it.
    Form* ownerForm() const { return owner_; }
    void setOwnerForm(Form* f);
    void timer(int id) override;

    // Called by controls.
    void controlDestroyed(Control* c);
    void controlHidden(Control* c);
    // Runs the creation event (errors go to the error box, the form stays).
    void created();

  protected:
    void resized() override;

  private:
    struct Tracking {
        bool active = false;
        HitTest what = HitTest::Nowhere;
        Point startMouse;
        Rect startBounds;
        // A caption move stays with this loop (no window manager took it).
        bool ownLoop = false;
    };
    void dispatchHooks(FormMessage& m);
    void mouseMoveTo(const InputEvent& e);
    void mouseDownAt(const InputEvent& e);
    void mouseUpAt(const InputEvent& e);
    void keyDownEvent(const InputEvent& e);
    void beginTracking(HitTest what, Point global);
    void endTracking();
    void track(Point global);
    void updateHover(Control* now);
    void hideHint();
    void updateCursor(Point pos);
    HitTest hitTestAt(Point pos);
    MouseEvent localEvent(const InputEvent& e, Control* c) const;

    Application& app_;
    WindowKind kind_;
    std::unique_ptr<BackendWindow> window_;
    std::string caption_;
    Point position_;
    Size minimum_{0, 0};
    Size maximum_{0, 0};
    bool windowShown_ = false;
    bool shownOnce_ = false;
    bool centerOnFirstShow_ = false;
    bool focusFirstOnShow_ = false;
    bool closed_ = false;
    bool minimized_ = false;
    bool active_ = false;
    bool loading_ = false;
    int modalResult_ = 0;
    int regionCorner_ = 0;
    Control* focused_ = nullptr;
    Control* capture_ = nullptr;
    Control* hover_ = nullptr;
    bool implicitCapture_ = false;
    Cursor cursor_ = Cursor::Arrow;
    std::map<int, Hook> hooks_;
    int nextHook_ = 1;
    Tracking tracking_;
    bool systemMove_ = false;
    Bitmap frame_;
    DirtyRegion dirty_;
    std::unique_ptr<HintWindow> hint_;
    Form* owner_ = nullptr;
};

}  // namespace lymn
