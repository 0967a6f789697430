#include "editors/TFlatImageComboBox.h"

#include <algorithm>

#include "editors/TFlatDropDownList.h"
#include "platform/Application.h"
#include "platform/Form.h"

namespace lymn {

TFlatImageComboBoxItem& TFlatImageComboBoxProperties::addItem(const std::string& description,
                                                              const EditValue& value,
                                                              int imageIndex) {
    TFlatImageComboBoxItem item;
    item.Description = description;
    item.Value = value;
    const int own = static_cast<int>(Items.size());
    item.ImageIndex = imageIndex != -2 ? imageIndex : (Images && Images->count() > own ? own : -1);
    Items.push_back(item);
    return Items.back();
}

TFlatImageComboBox::TFlatImageComboBox(Control* parent)
    : TFlatCustomEdit(parent, std::make_unique<TFlatImageComboBoxProperties>()) {
    setTabStop(true);
    setBounds(0, 0, 121, 21);
}

TFlatImageComboBox::~TFlatImageComboBox() {
    markDestroying();
    list_.reset();
}

int TFlatImageComboBox::lookup(const EditValue& v) const {
    const auto& items = comboProperties().Items;
    for (size_t i = 0; i < items.size(); ++i)
        if (exactlyEqual(items[i].Value, v)) return static_cast<int>(i);
    return -1;
}

void TFlatImageComboBox::SynchronizeDisplayValue() {
    const int k = lookup(editValue());
    if (k != itemIndex_) {
        itemIndex_ = k;
    }
    invalidate();
}

void TFlatImageComboBox::pick(int k) {
    const auto& items = comboProperties().Items;
    const EditValue value = k >= 0 && k < static_cast<int>(items.size())
                                ? items[static_cast<size_t>(k)].Value
                                : EditValue::null();
    if (exactlyEqual(value, editValue())) {
        invalidate();
        return;
    }
    if (!DoEditing()) return;
    UserAction user(*this);
    InternalSetEditValue(value);
    ModifiedAfterEnter = true;
}

bool TFlatImageComboBox::droppedDown() const {
    return list_ && list_->windowShown();
}

void TFlatImageComboBox::dropDown() {
    if (droppedDown()) return;
    Application* app = application();
    if (!app) return;
    if (!list_) list_ = std::make_unique<TFlatDropDownList>(*app, *this);
    list_->open();
    invalidate();
}

void TFlatImageComboBox::closeUp(bool pickHighlighted) {
    if (!droppedDown()) return;
    const int row = list_->highlighted();
    list_->hide();
    invalidate();
    if (pickHighlighted && row >= 0) pick(row);
}

bool TFlatImageComboBox::wantsKey(const KeyEvent& e) const {
    switch (e.key) {
        case Key::Up:
        case Key::Down:
        case Key::PageUp:
        case Key::PageDown:
        case Key::Home:
        case Key::End:
            return true;
        case Key::F4:
            // Alt+F4 closes the window, it does not open the list.
            return !(e.mods & mods::Alt);
        case Key::Enter:
        case Key::Escape:
        case Key::Tab:
            return droppedDown();
        default:
            return false;
    }
}

bool TFlatImageComboBox::keyDown(const KeyEvent& e) {
    const bool alt = e.mods & mods::Alt;
    const bool ctrl = e.mods & mods::Ctrl;
    const bool toggle =
        (e.key == Key::F4 && !alt) || (alt && (e.key == Key::Down || e.key == Key::Up));
    if (toggle) {
        if (droppedDown())
            closeUp(true);
        else
            dropDown();
        return true;
    }
    const int count = static_cast<int>(comboProperties().Items.size());
    const int page = comboProperties().DropDownRows - 1;
    if (droppedDown()) {
        const int h = list_->highlighted();
        switch (e.key) {
            case Key::Enter:
                closeUp(true);
                return true;
            case Key::Escape:
                closeUp(false);
                return true;
            case Key::Tab:
                closeUp(true);
                if (Form* f = form()) f->focusNext(!(e.mods & mods::Shift));
                return true;
            case Key::Up:
                list_->setHighlighted(std::max(h - 1, 0));
                return true;
            case Key::Down:
                list_->setHighlighted(std::min(h + 1, count - 1));
                return true;
            case Key::PageUp:
                list_->setHighlighted(std::max(h - page, 0));
                return true;
            case Key::PageDown:
                list_->setHighlighted(std::min(h + page, count - 1));
                return true;
            case Key::Home:
                list_->setHighlighted(0);
                return true;
            case Key::End:
                list_->setHighlighted(count - 1);
                return true;
            default:
                return false;
        }
    }
    if (count == 0) return false;
    const int k = itemIndex_;
    switch (e.key) {
        case Key::Up:
            pick(std::max(k - 1, 0));
            return true;
        case Key::Down:
            pick(std::min(k + 1, count - 1));
            return true;
        case Key::PageUp:
            pick(ctrl ? 0 : std::max(k - page, 0));
            return true;
        case Key::PageDown:
            pick(ctrl ? count - 1 : std::min(k + page, count - 1));
            return true;
        case Key::Home:
            pick(0);
            return true;
        case Key::End:
            pick(count - 1);
            return true;
        default:
            return false;
    }
}

void TFlatImageComboBox::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    // A fixed list opens from a click anywhere on the box.
    if (droppedDown())
        closeUp(false);
    else
        dropDown();
}

bool TFlatImageComboBox::mouseWheel(int notches) {
    if (droppedDown()) return list_->mouseWheel(notches);
    return false;
}

void TFlatImageComboBox::focusOut() {
    closeUp(false);
    TFlatCustomEdit::focusOut();
}

Rect TFlatImageComboBox::buttonRect() const {
    const int b = borderSize();
    return {width() - b - kButtonWidth, b, width() - b, height() - b};
}

Rect TFlatImageComboBox::pictureRect() const {
    const auto* images = comboProperties().Images;
    const int b = borderSize();
    const Rect r{b, b, buttonRect().left, height() - b};
    Rect p{r.left + 2, r.top, r.right - 2, r.bottom};
    if (!images) return {};
    const int pw = images->Width(), ph = images->Height();
    if (comboProperties().ShowDescriptions && pw < p.width()) {
        if (comboProperties().Align == ImageAlign::Left)
            p.right = p.left + pw;
        else
            p.left = p.right - pw;
    } else if (!comboProperties().ShowDescriptions) {
        p.left += (p.width() - pw) / 2;
        p.right = p.left + pw;
    }
    if (ph < r.height()) {
        p.top = r.top + (r.height() - ph) / 2;
        p.bottom = p.top + ph;
    }
    return p;
}

Rect TFlatImageComboBox::textRect() const {
    const int b = borderSize();
    Rect t{b, b, buttonRect().left, height() - b};
    const Rect p = pictureRect();
    const auto* images = comboProperties().Images;
    if (images) {
        if (images->Width() >= t.width() - 4 || !comboProperties().ShowDescriptions) return {};
        if (comboProperties().Align == ImageAlign::Left)
            t.left = p.right + 2;
        else
            t.right = p.left - 2;
    }
    return {t.left + 2, t.top + 1, t.right - 2, t.bottom - 1};
}

int TFlatImageComboBox::shownImage() const {
    const auto& items = comboProperties().Items;
    if (itemIndex_ < 0 || itemIndex_ >= static_cast<int>(items.size()))
        return comboProperties().DefaultImageIndex;
    return items[static_cast<size_t>(itemIndex_)].ImageIndex;
}

std::string TFlatImageComboBox::shownDescription() const {
    const auto& items = comboProperties().Items;
    if (itemIndex_ < 0 || itemIndex_ >= static_cast<int>(items.size()))
        return comboProperties().DefaultDescription;
    return items[static_cast<size_t>(itemIndex_)].Description;
}

void TFlatImageComboBox::paintContent(Canvas& c, const Rect&) {
    const ResolvedStyle s = currentStyle();
    // The drop-down button.
    const Rect br = buttonRect();
    const bool pressed = droppedDown();
    c.fillRect(br, hot() || hasEditFocus()
                       ? sysColor(SysColor::ButtonFace)
                       : blend(sysColor(SysColor::ButtonFace), colors::white, 96));
    c.fillRect({br.left, br.top, br.left + 1, br.bottom}, hot() || hasEditFocus()
                                                              ? sysColor(SysColor::Highlight)
                                                              : sysColor(SysColor::Window));
    const int cx = (br.left + br.right) / 2 + (pressed ? 1 : 0);
    const int cy = (br.top + br.bottom) / 2 - 1 + (pressed ? 1 : 0);
    const Color ink = effectivelyEnabled() ? colors::black : sysColor(SysColor::ButtonShadow);
    for (int i = 0; i < 3; ++i) c.fillRect({cx - 2 + i, cy + i, cx + 3 - i, cy + i + 1}, ink);
    // The picture, clipped to its rectangle, then the description.
    if (const auto* images = comboProperties().Images) {
        const Rect p = pictureRect();
        CanvasSaver saver(c);
        c.intersectClip(p);
        images->draw(c, shownImage(), p.topLeft(), effectivelyEnabled());
    }
    const Rect t = textRect();
    if (!t.empty())
        c.drawText(s.font, s.textColor, t, shownDescription(), text::VCenter | text::NoPrefix);
}

void TFlatImageComboBox::adjustSize() {
    if (!autoSize()) return;
    Application* app = application();
    if (!app) return;
    const int line = app->fonts().metrics(currentStyle().font).height() + 6;
    const int picture = comboProperties().Images ? comboProperties().Images->Height() : 0;
    setHeight(2 * borderSize() + std::max(line, picture));
}

}  // namespace lymn
