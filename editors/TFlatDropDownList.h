#pragma once

#include "editors/TFlatScrollBar.h"
#include "platform/Form.h"

namespace lymn {

class TFlatImageComboBox;

// The drop-down list of an image combo box, in its own popup window: rows of a picture and a
// description, a scroll bar when there are more items than rows, the highlight following the
// mouse.
class TFlatDropDownList : public Form {
  public:
    TFlatDropDownList(Application& app, TFlatImageComboBox& owner);

    int rowHeight() const { return rowHeight_; }
    int visibleRows() const { return visibleRows_; }
    int topIndex() const { return top_; }
    int highlighted() const { return highlighted_; }
    int count() const;
    TFlatScrollBar* scrollBar() { return scroll_; }
    // Lays the list out under its box and shows it, the selected item highlighted and in view.
    void open();
    void setHighlighted(int index);
    void ensureVisible(int index);
    void setTopIndex(int top);
    // A row's rectangle in the popup's coordinates (empty when scrolled out of view).
    Rect rowRect(int index) const;
    int rowAt(Point p) const;

    void paint(Canvas& canvas) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool mouseWheel(int notches) override;

  private:
    Rect rowsArea() const;

    TFlatImageComboBox& owner_;
    TFlatScrollBar* scroll_ = nullptr;
    int rowHeight_ = 34;
    int visibleRows_ = 8;
    int top_ = 0;
    int highlighted_ = -1;
};

}  // namespace lymn
