#include "editors/TFlatDropDownList.h"

#include <algorithm>

#include "editors/TFlatImageComboBox.h"
#include "platform/Application.h"

namespace lymn {

TFlatDropDownList::TFlatDropDownList(Application& app, TFlatImageComboBox& owner)
    : Form(app, WindowKind::Popup), owner_(owner) {
    setName(owner.name() + "List");
    setColor(sysColor(SysColor::Window));
    scroll_ = &add<TFlatScrollBar>();
    scroll_->onScroll = [this](int p) { setTopIndex(p); };
    onOutsideClick = [this] { owner_.closeUp(false); };
    setOwnerForm(owner.form());
}

int TFlatDropDownList::count() const {
    return static_cast<int>(owner_.comboProperties().Items.size());
}

void TFlatDropDownList::open() {
    const auto& p = owner_.comboProperties();
    const FontSpec font = owner_.currentStyle().font;
    setFont(font);
    const TFlatImageList* images = p.LargeImages ? p.LargeImages : p.Images;
    const int picW = images ? images->Width() : 0;
    const int picH = images ? images->Height() : 0;
    rowHeight_ = std::max(application().fonts().metrics(font).height() + 2, picH + 2);
    visibleRows_ = std::max(1, std::min(p.DropDownRows, count()));
    const bool scrolling = count() > p.DropDownRows;
    int widest = 0;
    for (const auto& item : p.Items)
        widest = std::max(widest, application().fonts().textWidth(font, item.Description));
    int w = p.DropDownWidth > 0 ? p.DropDownWidth : owner_.width();
    w = std::max(w, picW + 8 + widest + (scrolling ? TFlatScrollBar::kWidth : 0) + 2);
    const int h = visibleRows_ * rowHeight_ + 2;
    setSize(w, h);
    scroll_->setVisible(scrolling);
    scroll_->setBounds(w - 1 - TFlatScrollBar::kWidth, 1, TFlatScrollBar::kWidth, h - 2);
    scroll_->setRange(std::max(0, count() - visibleRows_), visibleRows_);
    // Under the box, or over it when the desktop ends below.
    Form* owner = owner_.form();
    const Rect box = owner_.formRect().translated(owner->position());
    const Rect area = application().backend().workArea();
    Point at{box.left, box.bottom};
    if (at.y + h > area.bottom && box.top - h >= area.top) at.y = box.top - h;
    setPosition(at);
    highlighted_ = owner_.ItemIndex();
    ensureVisible(std::max(highlighted_, 0));
    show();
    invalidate();
}

void TFlatDropDownList::setHighlighted(int index) {
    if (index == highlighted_) return;
    highlighted_ = index;
    if (index >= 0) ensureVisible(index);
    invalidate();
}

void TFlatDropDownList::ensureVisible(int index) {
    if (index < top_)
        setTopIndex(index);
    else if (index >= top_ + visibleRows_)
        setTopIndex(index - visibleRows_ + 1);
}

void TFlatDropDownList::setTopIndex(int top) {
    top = std::clamp(top, 0, std::max(0, count() - visibleRows_));
    if (top == top_) return;
    top_ = top;
    scroll_->setPosition(top);
    invalidate();
}

Rect TFlatDropDownList::rowsArea() const {
    return {1, 1, width() - 1 - (scroll_->visible() ? TFlatScrollBar::kWidth : 0), height() - 1};
}

Rect TFlatDropDownList::rowRect(int index) const {
    if (index < top_ || index >= top_ + visibleRows_ || index >= count()) return {};
    const Rect a = rowsArea();
    const int y = a.top + (index - top_) * rowHeight_;
    return {a.left, y, a.right, y + rowHeight_};
}

int TFlatDropDownList::rowAt(Point p) const {
    const Rect a = rowsArea();
    if (!a.contains(p)) return -1;
    const int i = top_ + (p.y - a.top) / rowHeight_;
    return i < count() ? i : -1;
}

void TFlatDropDownList::paint(Canvas& c) {
    c.fillRect(clientRect(), sysColor(SysColor::Window));
    c.frameRect(clientRect(), sysColor(SysColor::Highlight));
    const auto& p = owner_.comboProperties();
    const TFlatImageList* images = p.LargeImages ? p.LargeImages : p.Images;
    const int picW = images ? images->Width() : 0;
    const int picH = images ? images->Height() : 0;
    const bool enabled = owner_.effectivelyEnabled();
    for (int i = top_; i < std::min(count(), top_ + visibleRows_); ++i) {
        const Rect r = rowRect(i);
        const bool lit = i == highlighted_;
        c.fillRect(r, lit ? sysColor(SysColor::Highlight) : sysColor(SysColor::Window));
        const int cell = r.left + 2;
        const auto& item = p.Items[static_cast<size_t>(i)];
        if (images)
            images->draw(c, item.ImageIndex, {cell + 1, r.top + (r.height() - picH) / 2}, enabled);
        const Rect text{cell + picW + 4, r.top, r.right, r.bottom};
        c.drawText(font(),
                   lit ? sysColor(SysColor::HighlightText) : owner_.currentStyle().textColor, text,
                   item.Description, text::VCenter | text::NoPrefix);
    }
}

void TFlatDropDownList::mouseMove(const MouseEvent& e) {
    const int row = rowAt(e.pos);
    if (row >= 0) setHighlighted(row);
}

void TFlatDropDownList::mouseUp(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const int row = rowAt(e.pos);
    if (row < 0) return;
    setHighlighted(row);
    owner_.closeUp(true);
}

bool TFlatDropDownList::mouseWheel(int notches) {
    setTopIndex(top_ - 3 * notches);
    return true;
}

}  // namespace lymn
