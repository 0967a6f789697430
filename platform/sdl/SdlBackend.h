#pragma once

#include <array>
#include <string>

#include "platform/Backend.h"

struct SDL_Cursor;

namespace lymn {

// The real desktop through SDL2: borderless top-level windows that show the frames the core
// composes, real time, keyboard text input and the clipboard.
// Windows exist only as recorded state until they are first shown, so that the hidden ones
// (boxes, hints, lists) cost the display nothing.
class SdlBackend : public Backend {
  public:
    // Raises NoDisplay when SDL cannot reach a display. Windows are drawn at the scale (1 to 3).
    explicit SdlBackend(int scale = 1);
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    bool headless() const override { return false; }
    int scale() const override { return scale_; }
    std::unique_ptr<BackendWindow> createWindow(WindowKind kind, const Rect& screenBounds,
                                                const std::string& title) override;
    bool pollEvent(InputEvent& event) override;
    void waitEvent(int64_t timeoutMs) override;
    int64_t now() override;
    Rect workArea() override;
    Point globalMouse() override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;

    SDL_Cursor* cursor(Cursor c);
    void setTextInput(bool on);

  private:
    int scale_;
    bool textInput_ = false;
    std::array<SDL_Cursor*, 8> cursors_{};
};

}  // namespace lymn
