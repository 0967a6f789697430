#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "skin/TSkinTitleBarButtons.h"
#include "skin/TSkinTitleBarSections.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

// The picture title bar at the top of the skinned frame: sections, the caption and the buttons
// (control box at the left, the others at the right). Pressing on it moves the window; its
// buttons minimise and close it. Where everything goes is worked out when something it depends
// on changes, and the button under the mouse from the mouse's own events; painting only reads.
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

    // Where the bar draws each button and the caption (bar coordinates).
    Rect buttonRect(int index) const;
    int hoverIndex() const { return hover_; }
    Point captionOrigin() const { return captionAt_; }
    const std::string& shownCaption() const { return shownCaption_; }
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
    void resized() override;
    void fontChanged() override;

  private:
    // Where a section's picture goes; a stretched one is kept stretched to its place.
    struct SectionPlace {
        int index = 0;
        Rect to;
        Bitmap stretched;
    };

    // Places the sections, the buttons and the caption, then finds the button under the mouse
    // again; repaints.
    void relayout();
    void placeSections();
    void placeSection(int index, const Rect& to, bool stretch);
    void placeButtons();
    void placeCaption();
    void measureCaption();
    int controlBoxIndex() const;
    // The button under a point of the bar, edges included; -1 for none.
    int buttonAt(Point p) const;
    // Takes the mouse's place (none: off the bar) and repaints when the hovered button changes.
    void trackMouse(std::optional<Point> at);
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
    std::optional<Point> mouse_;
    int hover_ = -1;
    std::vector<SectionPlace> sectionPlaces_;
    std::vector<Rect> buttonRects_;
    // Left of the right-hand buttons and right of the control box: the caption's room.
    int buttonsLeft_ = 0;
    int captionLeft_ = 0;
    int captionWidth_ = 0;
    int captionHeight_ = 0;
    Point captionAt_;
    std::string shownCaption_;
};

}  // namespace lymn
