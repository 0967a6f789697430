#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>

#include "platform/Backend.h"

namespace lymn {

class HeadlessBackend;

// A window that exists only in memory: it keeps the last frame presented to it.
class HeadlessWindow : public BackendWindow {
  public:
    HeadlessWindow(uint32_t id, WindowKind kind, const Rect& bounds);
    uint32_t id() const override { return id_; }
    void present(const Bitmap& frame, const std::vector<Rect>& dirty) override;
    void show() override { shown_ = true; }
    void hide() override { shown_ = false; }
    Point position() const override { return position_; }
    void setPosition(Point p) override { position_ = p; }
    void setSize(Size s) override { size_ = s; }
    void setMinimumSize(Size s) override { minimum_ = s; }
    void minimize() override;
    void activate() override;
    void setOwner(BackendWindow* owner) override { owner_ = owner; }
    bool beginSystemMove(Point pressedAt) override;
    void setCursor(Cursor c) override { cursor_ = c; }
    void setTitle(const std::string& t) override { title_ = t; }
    void setIcon(const Bitmap& icon) override { icon_ = icon; }
    void captureMouse(bool on) override { captured_ = on; }
    void setTextInput(bool on) override { textInput_ = on; }

    WindowKind kind() const { return kind_; }
    bool shown() const { return shown_; }
    bool minimized() const { return minimized_; }
    Size size() const { return size_; }
    Size minimumSize() const { return minimum_; }
    Cursor cursor() const { return cursor_; }
    const std::string& title() const { return title_; }
    // The frame last presented: the form's own, which it changes only to present it again (a
    // copy at every present would cost more than the composition).
    const Bitmap& presented() const { return presented_ ? *presented_ : kNothing; }
    const Bitmap& icon() const { return icon_; }
    bool captured() const { return captured_; }
    bool textInput() const { return textInput_; }
    int presents() const { return presents_; }
    // What the last present said had changed, in layout units.
    const std::vector<Rect>& lastDirty() const { return lastDirty_; }
    const BackendWindow* owner() const { return owner_; }
    int activations() const { return activations_; }
    // Where the last move handed to the window manager began (none yet: systemMoves() is 0).
    Point systemMoveStart() const { return systemMoveStart_; }
    int systemMoves() const { return systemMoves_; }

  private:
    friend class HeadlessBackend;
    HeadlessBackend* backend_ = nullptr;
    uint32_t id_;
    WindowKind kind_;
    Point position_;
    Size size_;
    Size minimum_;
    bool shown_ = false;
    bool minimized_ = false;
    bool captured_ = false;
    bool textInput_ = false;
    Cursor cursor_ = Cursor::Arrow;
    std::string title_;
    const Bitmap* presented_ = nullptr;
    static inline const Bitmap kNothing;
    Bitmap icon_;
    int presents_ = 0;
    std::vector<Rect> lastDirty_;
    BackendWindow* owner_ = nullptr;
    int activations_ = 0;
    Point systemMoveStart_;
    int systemMoves_ = 0;
};

// No display: windows are composed into memory, time is a virtual clock that moves only when
// the program waits, and input is what the caller injects. Deterministic.
class HeadlessBackend : public Backend {
  public:
    explicit HeadlessBackend(Rect screen = Rect::xywh(0, 0, 1024, 768), int scale = 1);
    ~HeadlessBackend() override;

    bool headless() const override { return true; }
    int scale() const override { return scale_; }
    std::unique_ptr<BackendWindow> createWindow(WindowKind kind, const Rect& screenBounds,
                                                const std::string& title) override;
    bool pollEvent(InputEvent& event) override;
    void waitEvent(int64_t timeoutMs) override;
    int64_t now() override { return now_; }
    Rect workArea() override { return screen_; }
    Point globalMouse() override { return mouse_; }
    std::string clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }

    // Input, as a user would give it; positions are window coordinates.
    void inject(const InputEvent& e);
    void mouseMove(uint32_t window, Point pos);
    void mouseDown(uint32_t window, Point pos, MouseButton b = MouseButton::Left, int clicks = 1);
    void mouseUp(uint32_t window, Point pos, MouseButton b = MouseButton::Left);
    void wheel(uint32_t window, int notches);
    void keyDown(uint32_t window, Key k, unsigned mods = 0);
    void keyUp(uint32_t window, Key k, unsigned mods = 0);
    void text(uint32_t window, const std::string& text);
    // A file dropped onto the window from the desktop.
    void dropFile(uint32_t window, const std::string& path);
    // The window system asks a window to close; window 0 asks the whole program to end.
    void closeRequest(uint32_t window);
    void advance(int64_t ms) { now_ += ms; }
    HeadlessWindow* window(uint32_t id) const;
    bool pending() const { return !queue_.empty(); }
    // A window manager that takes the moves handed to it (none at first, as on a bare server).
    void setWindowManager(bool on) { windowManager_ = on; }
    bool windowManager() const { return windowManager_; }
    // The window that was activated last (0: none).
    uint32_t activeWindow() const { return active_; }

  private:
    friend class HeadlessWindow;
    void windowGone(uint32_t id) { windows_.erase(id); }
    InputEvent at(InputEvent::Type type, uint32_t window, Point pos);
    void key(InputEvent::Type type, uint32_t window, Key k, unsigned mods);

    Rect screen_;
    int scale_;
    int64_t now_ = 0;
    uint32_t nextId_ = 1;
    Point mouse_;
    std::string clipboard_;
    std::deque<InputEvent> queue_;
    std::map<uint32_t, HeadlessWindow*> windows_;
    bool windowManager_ = false;
    uint32_t active_ = 0;
};

}  // namespace lymn
