#include "editors/TFlatListView.h"

#include <algorithm>

#include "editors/TFlatImageList.h"

namespace lymn {

TFlatListView::TFlatListView(Control* parent) : Control(parent) {
    setTabStop(true);
    setColor(sysColor(SysColor::Window));
    scroll_ = &add<TFlatScrollBar>();
    scroll_->setVisible(false);
    scroll_->onScroll = [this](int p) { setTopIndex(p); };
}

void TFlatListView::setColumns(std::vector<Column> columns) {
    columns_ = std::move(columns);
    invalidate();
}

void TFlatListView::setRowHeight(int h) {
    if (h == rowHeight_ || h < 1) return;
    rowHeight_ = h;
    layoutScrollBar();
    invalidate();
}

void TFlatListView::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    if (itemIndex_ >= count()) itemIndex_ = -1;
    layoutScrollBar();
    top_ = std::clamp(top_, 0, std::max(0, count() - visibleRows()));
    scroll_->setPosition(top_);
    invalidate();
}

Rect TFlatListView::rowsArea() const {
    const int right = width() - 1 - (scroll_->visible() ? TFlatScrollBar::kWidth : 0);
    return {1, 2 + kHeaderHeight, right, height() - 1};
}

int TFlatListView::visibleRows() const {
    return std::max(1, (height() - 3 - kHeaderHeight) / rowHeight_);
}

void TFlatListView::layoutScrollBar() {
    const int rows = visibleRows();
    scroll_->setBounds(width() - 1 - TFlatScrollBar::kWidth, 2 + kHeaderHeight,
                       TFlatScrollBar::kWidth, std::max(0, height() - 3 - kHeaderHeight));
    scroll_->setVisible(count() > rows);
    scroll_->setRange(std::max(0, count() - rows), rows);
}

void TFlatListView::setItemIndex(int i) {
    i = std::clamp(i, -1, count() - 1);
    if (i >= 0) ensureVisible(i);
    if (i == itemIndex_) return;
    itemIndex_ = i;
    invalidate();
    if (onChange) onChange(*this);
}

void TFlatListView::setTopIndex(int top) {
    top = std::clamp(top, 0, std::max(0, count() - visibleRows()));
    if (top == top_) return;
    top_ = top;
    scroll_->setPosition(top);
    invalidate();
}

void TFlatListView::ensureVisible(int i) {
    if (i < top_)
        setTopIndex(i);
    else if (i >= top_ + visibleRows())
        setTopIndex(i - visibleRows() + 1);
}

Rect TFlatListView::rowRect(int i) const {
    if (i < top_ || i >= top_ + visibleRows() || i >= count()) return {};
    const Rect a = rowsArea();
    const int y = a.top + (i - top_) * rowHeight_;
    return {a.left, y, a.right, std::min(y + rowHeight_, a.bottom)};
}

int TFlatListView::rowAt(Point p) const {
    const Rect a = rowsArea();
    if (!a.contains(p)) return -1;
    const int i = top_ + (p.y - a.top) / rowHeight_;
    return i < count() && i < top_ + visibleRows() ? i : -1;
}

void TFlatListView::paint(Canvas& c) {
    c.fillRect(clientRect(), color());
    c.frameRect(clientRect(),
                focused() ? sysColor(SysColor::Highlight) : sysColor(SysColor::WindowFrame));
    paintHeader(c);
    for (int i = top_; i < std::min(count(), top_ + visibleRows()); ++i) paintRow(c, i);
}

void TFlatListView::paintHeader(Canvas& c) const {
    const Rect header{1, 1, width() - 1, 1 + kHeaderHeight};
    c.fillRect(header, sysColor(SysColor::ButtonFace));
    c.fillRect({header.left, header.bottom, header.right, header.bottom + 1},
               sysColor(SysColor::ButtonShadow));
    int x = header.left;
    for (size_t k = 0; k < columns_.size(); ++k) {
        const bool last = k + 1 == columns_.size();
        const int right = last ? header.right : x + columns_[k].width;
        c.drawText(font(), font().color, {x + 4, header.top, right - 2, header.bottom},
                   columns_[k].title, text::VCenter | text::NoPrefix);
        if (!last)
            c.fillRect({right - 1, header.top + 3, right, header.bottom - 3},
                       sysColor(SysColor::ButtonShadow));
        x = right;
    }
}

void TFlatListView::paintRow(Canvas& c, int i) const {
    const Rect r = rowRect(i);
    const bool selected = i == itemIndex_;
    if (selected) c.fillRect(r, sysColor(SysColor::Highlight));
    const Color ink = selected ? sysColor(SysColor::HighlightText) : font().color;
    const Row& cells = rows_[static_cast<size_t>(i)];
    int x = r.left;
    for (size_t k = 0; k < columns_.size() && x < r.right; ++k) {
        const Column& col = columns_[k];
        const int right = k + 1 == columns_.size() ? r.right : std::min(r.right, x + col.width);
        const Cell* cell = k < cells.size() ? &cells[k] : nullptr;
        if (cell && col.images) {
            const int y = r.top + (r.height() - col.images->Height()) / 2;
            col.images->draw(c, cell->picture, {x + (right - x - col.images->Width()) / 2, y},
                             effectivelyEnabled());
        } else if (cell) {
            c.drawText(font(), ink, {x + 4, r.top, right - 4, r.bottom}, cell->text,
                       text::VCenter | text::NoPrefix | col.align);
        }
        x = right;
    }
    if (selected && focused()) c.drawFocusRect(r);
}

void TFlatListView::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    setFocus();
    const int i = rowAt(e.pos);
    if (i < 0) return;
    setItemIndex(i);
    if (e.clicks == 2 && onOpen) onOpen(*this);
}

bool TFlatListView::mouseWheel(int notches) {
    setTopIndex(top_ - 3 * notches);
    return true;
}

bool TFlatListView::wantsKey(const KeyEvent& e) const {
    switch (e.key) {
        case Key::Up:
        case Key::Down:
        case Key::PageUp:
        case Key::PageDown:
        case Key::Home:
        case Key::End:
            return true;
        case Key::Enter:
            return itemIndex_ >= 0 && onOpen;
        default:
            return Control::wantsKey(e);
    }
}

bool TFlatListView::keyDown(const KeyEvent& e) {
    if (count() == 0) return false;
    const int page = std::max(1, visibleRows() - 1);
    switch (e.key) {
        case Key::Up:
            setItemIndex(std::max(0, itemIndex_ - 1));
            return true;
        case Key::Down:
            setItemIndex(itemIndex_ + 1);
            return true;
        case Key::PageUp:
            setItemIndex(std::max(0, itemIndex_ - page));
            return true;
        case Key::PageDown:
            setItemIndex(std::max(0, itemIndex_) + page);
            return true;
        case Key::Home:
            setItemIndex(0);
            return true;
        case Key::End:
            setItemIndex(count() - 1);
            return true;
        case Key::Enter:
            if (itemIndex_ < 0 || !onOpen) return false;
            onOpen(*this);
            return true;
        default:
            return Control::keyDown(e);
    }
}

}  // namespace lymn
