#pragma once

#include <functional>
#include <string>

#include "platform/Control.h"
#include "skin/TSkinTitleBarButtons.h"
#include "skin/TSkinTitleBarSections.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

// The picture title bar at the top of the skinned frame: sections, the caption and the buttons
// (control box at the left, the others at the right). Pressing on it moves the window; its
// buttons minimise and close it.
class TSkinTitleBar : public Control {
  public:
    explicit TSkinTitleBar(Control* parent);

    TSkinTitleBarSections& Sections() { return sections_; }
    TSkinTitleBarButtons& Buttons() { return buttons_; }
    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& c);
    bool FormActive() const { return active_; }
    void setActive(bool a);
    int ButtonInterval() const { return interval_; }
    void setButtonInterval(int i);
    int LeftBtnXOffset() const { return leftOffset_; }
    void setLeftBtnXOffset(int x);
    int RightBtnXOffset() const { return rightOffset_; }
    void setRightBtnXOffset(int x);
    bool DrawAppIcon() const { return drawAppIcon_; }
    void setDrawAppIcon(bool d);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    int cornerSize() const { return corner_; }
    std::function<void(Control&, int)> OnCustomBtnsClick;
    std::function<void(Control&, int)> OnHelpBtnClick;

    // Where the bar draws each button and the caption (bar coordinates), as of the last paint.
    Rect buttonRect(int index) const;
    int hoverIndex() const { return hover_; }
    Point captionOrigin() const { return captionAt_; }
    std::string shownCaption() const { return shownCaption_; }
    Color captionColor() const;

    // The window changed its size: the window region is given again.
    void OnFormReSize();
    // Performs the button's action.
    void DoClick(int index);

    void paint(Canvas& canvas) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseLeave() override;
    void mouseDown(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;

  private:
    // Lays out the buttons and caption and finds the button under the mouse, as a paint does.
    void layout(Canvas* canvas);
    void repaintNow();
    Point cursorInBar() const;
    void applyRegion();
    void sizeToSections();

    TSkinTitleBarSections sections_;
    TSkinTitleBarButtons buttons_;
    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    std::string caption_;
    bool active_ = true;
    int interval_ = 0;
    int leftOffset_ = 0;
    int rightOffset_ = 0;
    bool drawAppIcon_ = false;
    bool autoSize_ = false;
    int corner_ = 0;
    bool down_ = false;
    int hover_ = -1;
    std::vector<Rect> buttonRects_;
    Point captionAt_;
    std::string shownCaption_;
};

}  // namespace lymn
