#include "editors/TFlatLabel.h"

#include "platform/Application.h"

namespace lymn {

TFlatLabel::TFlatLabel(Control* parent)
    : TFlatCustomEdit(parent, std::make_unique<TFlatLabelProperties>()) {
    setBounds(0, 0, 121, 21);
}

Color TFlatLabel::defaultColor() const {
    // Labels take their parent's colour.
    return parent() ? parent()->color() : sysColor(SysColor::ButtonFace);
}

void TFlatLabel::textChanged() {
    syncing_ = true;
    InternalSetEditValue(EditValue(windowText_));
    syncing_ = false;
    invalidate();
    adjustSize();
}

void TFlatLabel::SynchronizeDisplayValue() {
    // A value set by the program becomes the caption; the caption's own update is guarded.
    if (syncing_) return;
    setText(editValue().asText());
}

char32_t TFlatLabel::accelerator() const {
    if (!labelProperties().ShowAccelChar) return 0;
    return processPrefix(windowText_).accelerator;
}

void TFlatLabel::paintContent(Canvas& c, const Rect& inner) {
    const ResolvedStyle s = currentStyle();
    const auto& p = labelProperties();
    unsigned flags = p.ShowAccelChar ? 0 : text::NoPrefix;
    flags |= p.Alignment == HAlign::Center  ? text::HCenter
             : p.Alignment == HAlign::Right ? text::Right
                                            : text::Left;
    flags |= p.VertAlignment == VAlign::Center   ? text::VCenter
             : p.VertAlignment == VAlign::Bottom ? text::Bottom
                                                 : text::Top;
    const Rect r{inner.left + kMarginX, inner.top + kMarginY, inner.right - kMarginX,
                 inner.bottom - kMarginY};
    c.drawText(s.font, s.textColor, r, windowText_, flags);
}

void TFlatLabel::adjustSize() {
    if (!autoSize()) return;
    Application* app = application();
    if (!app) return;
    const ResolvedStyle s = currentStyle();
    const std::string shown = windowText_.empty() ? " " : windowText_;
    const std::string measured =
        labelProperties().ShowAccelChar ? processPrefix(shown).display : shown;
    const int w = app->fonts().textWidth(s.font, measured) + 2 * kMarginX + 2 * borderSize();
    const int h = app->fonts().metrics(s.font).height() + 2 * kMarginY + 2 * borderSize();
    if (labelProperties().Alignment == HAlign::Right)
        setBounds(left() + width() - w, top(), w, h);
    else
        setBounds(left(), top(), w, h);
}

}  // namespace lymn
