#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editors/TFlatScrollBar.h"
#include "platform/Control.h"

namespace lymn {

class TFlatImageList;

// A list of rows under a header of column titles, in the flat look: each cell a picture of its
// column's image list or a text, one selected row, a scroll bar when the rows outnumber the
// room. The list keeps its rows; only the rows in view are painted.
class TFlatListView : public Control {
  public:
    static constexpr int kHeaderHeight = 20;

    struct Column {
        std::string title;
        int width = 0;                           // the last column takes what is left
        const TFlatImageList* images = nullptr;  // a picture column
        unsigned align = 0;                      // text:: alignment of a text column
    };
    struct Cell {
        int picture = -1;
        std::string text;
    };
    using Row = std::vector<Cell>;

    explicit TFlatListView(Control* parent);

    void setColumns(std::vector<Column> columns);
    void setRowHeight(int h);
    // The rows replace the ones shown; the selection keeps its index where it still exists.
    void setRows(std::vector<Row> rows);
    int count() const { return static_cast<int>(rows_.size()); }
    const Row& row(int i) const { return rows_.at(static_cast<size_t>(i)); }
    int rowHeight() const { return rowHeight_; }
    int visibleRows() const;

    // The selected row, -1 for none; selecting brings the row into view and reports onChange.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);
    int topIndex() const { return top_; }
    void setTopIndex(int top);
    void ensureVisible(int i);
    // A row's rectangle in the list's coordinates, empty while it is scrolled out of view.
    Rect rowRect(int i) const;
    int rowAt(Point p) const;
    TFlatScrollBar& scrollBar() { return *scroll_; }

    std::function<void(Control&)> onChange;
    // A double click on a row, or Enter.
    std::function<void(Control&)> onOpen;

    void paint(Canvas& canvas) override;
    bool opaque() const override { return true; }
    bool acceptsFocus() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    bool mouseWheel(int notches) override;
    bool keyDown(const KeyEvent& e) override;
    bool wantsKey(const KeyEvent& e) const override;
    void focusIn() override { invalidate(); }
    void focusOut() override { invalidate(); }
    void resized() override { layoutScrollBar(); }

  private:
    Rect rowsArea() const;
    void layoutScrollBar();
    void paintHeader(Canvas& c) const;
    void paintRow(Canvas& c, int i) const;

    std::vector<Column> columns_;
    std::vector<Row> rows_;
    TFlatScrollBar* scroll_ = nullptr;
    int rowHeight_ = 18;
    int itemIndex_ = -1;
    int top_ = 0;
};

}  // namespace lymn
