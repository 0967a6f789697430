#pragma once

#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace lymn::test {

// A connection of the tests to a virtual X server: what a user's desktop would see of the
// program's windows (stacking, focus, state, place), and the requests a window manager sends.
class XDisplay {
  public:
    explicit XDisplay(const std::string& name);
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;
    bool open() const { return display_ != nullptr; }

    // Whether a window manager that follows the desktop's conventions runs.
    bool managerRuns();
    // The program's windows on the screen (mapped, with the class name), bottom to top.
    std::vector<unsigned long> stacking(const std::string& windowClass);
    unsigned long focus();
    // WM_STATE of a client window: 1 normal, 3 iconic, 0 none.
    int wmState(unsigned long window);
    bool viewable(unsigned long window);
    // The window's rectangle on the screen.
    Rect bounds(unsigned long window);
    // Asks the window to close as a window manager does (WM_DELETE_WINDOW).
    void requestClose(unsigned long window);
    // Sets the desktop's X resources (what xrdb loads), e.g. "Xft.dpi:\t192\n".
    void setResources(const std::string& resources);
    // From now on, notes the client messages sent to the root window (what programs ask the
    // window manager); how many named message_type were sent about the window since.
    void watchRoot();
    int messagesAbout(unsigned long window, const std::string& type);
    // Owns the clipboard with this text, as a program the user copied it from would; the
    // requests for it are answered by answerClipboard().
    void offerClipboard(const std::string& text);
    // Answers the requests for the clipboard until one for its text came or ms passed; whether
    // one came.
    bool answerClipboard(int ms);

  private:
    void drain();
    void answer(const void* selectionRequest);
    bool hasClass(unsigned long window, const std::string& windowClass);
    unsigned long clientOf(unsigned long frame, const std::string& windowClass);

    void* display_ = nullptr;
    std::vector<std::pair<unsigned long, unsigned long>> messages_;  // window, type
    unsigned long clipboardOwner_ = 0;
    std::string clipboard_;
    bool clipboardTaken_ = false;
};

}  // namespace lymn::test
