#include "editors/TFlatContainer.h"

namespace lymn {

namespace {

EditBorderStyle activeBorder(EditBorderStyle s) {
    switch (s) {
        case EditBorderStyle::None:
            return EditBorderStyle::Flat;
        case EditBorderStyle::Single:
            return EditBorderStyle::Thick;
        case EditBorderStyle::Flat:
            return EditBorderStyle::ThreeD;
        default:
            return s;
    }
}

}  // namespace

TFlatContainer::TFlatContainer(Control* parent) : Control(parent) {}

void TFlatContainer::styleChanged() {
    invalidate();
    adjustSize();
}

void TFlatContainer::setAutoSize(bool a) {
    if (a == autoSize_) return;
    autoSize_ = a;
    adjustSize();
}

void TFlatContainer::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    invalidate();
}

Color TFlatContainer::defaultColor() const {
    return sysColor(SysColor::Window);
}

EditBorderStyle TFlatContainer::defaultBorderStyle() const {
    switch (lookAndFeel) {
        case LookAndFeelKind::Flat:
            return EditBorderStyle::Flat;
        case LookAndFeelKind::Standard:
            return EditBorderStyle::ThreeD;
        case LookAndFeelKind::PlainFlat:
            return EditBorderStyle::PlainFlat;
        case LookAndFeelKind::Soft:
            return EditBorderStyle::Soft;
    }
    return EditBorderStyle::PlainFlat;
}

StyleState TFlatContainer::styleState() const {
    if (!effectivelyEnabled()) return StyleState::Disabled;
    if (hasEditFocus()) return StyleState::Focused;
    if (hot_ && Style.hotTrack.value_or(defaultHotTrack())) return StyleState::Hot;
    return StyleState::Normal;
}

ResolvedStyle TFlatContainer::currentStyle() const {
    return styleFor(styleState());
}

ResolvedStyle TFlatContainer::styleFor(StyleState state) const {
    ResolvedStyle normal;
    normal.font = Style.font.value_or(font());
    normal.color = Style.color.value_or(defaultColor());
    normal.textColor = Style.textColor.value_or(normal.font.color);
    normal.font.bold = Style.textBold.value_or(normal.font.bold);
    normal.borderColor = Style.borderColor.value_or(sysColor(SysColor::WindowFrame));
    normal.borderStyle = Style.borderStyle.value_or(defaultBorderStyle());
    normal.hotTrack = Style.hotTrack.value_or(defaultHotTrack());
    normal.buttonStyle = Style.buttonStyle.value_or(SpinButtonStyle::Default);
    ResolvedStyle out = normal;
    const TFlatEditStyle* s = &Style;
    if (state == StyleState::Disabled) {
        s = &StyleDisabled;
        out.color = s->color.value_or(sysColor(SysColor::ButtonFace));
        out.textColor = s->textColor.value_or(sysColor(SysColor::ButtonShadow));
        out.borderColor = s->borderColor.value_or(sysColor(SysColor::ButtonShadow));
        out.borderStyle = s->borderStyle.value_or(normal.borderStyle);
    } else if (state != StyleState::Normal) {
        s = state == StyleState::Focused ? &StyleFocused : &StyleHot;
        out.color = s->color.value_or(normal.color);
        out.textColor = s->textColor.value_or(normal.textColor);
        out.borderColor = s->borderColor.value_or(normal.borderColor);
        out.borderStyle = s->borderStyle.value_or(activeBorder(normal.borderStyle));
    }
    if (s != &Style) {
        if (s->font) out.font = *s->font;
        out.font.bold = s->textBold.value_or(normal.font.bold);
        if (s->buttonStyle) out.buttonStyle = *s->buttonStyle;
    }
    out.font.color = out.textColor;
    return out;
}

void TFlatContainer::paintBorder(Canvas& c, const ResolvedStyle& s) {
    const int w = borderWidth(s.borderStyle);
    if (w == 0) return;
    // The flat looks do not use the style's border colour: highlight while focused or hot,
    // button shadow otherwise.
    const bool active = hasEditFocus() || (hot_ && s.hotTrack);
    const Color frame = !effectivelyEnabled() ? sysColor(SysColor::ButtonShadow)
                        : active              ? sysColor(SysColor::Highlight)
                                              : sysColor(SysColor::ButtonShadow);
    c.frameRect(clientRect(), frame, w);
}

void TFlatContainer::paint(Canvas& c) {
    const ResolvedStyle s = currentStyle();
    const int w = borderWidth(s.borderStyle);
    const Rect inner = clientRect().inflated(-w, -w);
    if (!transparent_) c.fillRect(inner, s.color);
    paintBorder(c, s);
    CanvasSaver saver(c);
    c.intersectClip(inner);
    paintContent(c, inner);
}

void TFlatContainer::mouseEnter() {
    hot_ = true;
    invalidate();
    Control::mouseEnter();
}

void TFlatContainer::mouseLeave() {
    hot_ = false;
    invalidate();
    Control::mouseLeave();
}

void TFlatContainer::focusIn() {
    invalidate();
}

void TFlatContainer::focusOut() {
    invalidate();
}

}  // namespace lymn
