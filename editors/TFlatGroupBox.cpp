#include "editors/TFlatGroupBox.h"

#include "platform/Application.h"

namespace lymn {

TFlatGroupBox::TFlatGroupBox(Control* parent)
    : TFlatCustomEdit(parent, std::make_unique<TFlatCustomEditProperties>(false)) {
    setAutoSize(false);
    setBounds(0, 0, 185, 105);
}

Color TFlatGroupBox::defaultColor() const {
    return parent() ? parent()->color() : sysColor(SysColor::ButtonFace);
}

Rect TFlatGroupBox::captionRect() const {
    Application* app = application();
    if (!app || caption().empty()) return {};
    const FontSpec f = currentStyle().font;
    const int w = app->fonts().textWidth(f, processPrefix(caption()).display);
    const int h = app->fonts().metrics(f).height();
    return Rect::xywh(kCaptionIndent, 0, w, h).inflated(1, 1);
}

int TFlatGroupBox::frameTop() const {
    Application* app = application();
    if (!app) return 0;
    // Half the height of "Qq" in the caption font, rounded down.
    return app->fonts().metrics(currentStyle().font).height() / 2;
}

Color TFlatGroupBox::frameColor() const {
    return effectivelyEnabled() ? sysColor(SysColor::Highlight) : sysColor(SysColor::ButtonShadow);
}

void TFlatGroupBox::paint(Canvas& c) {
    const ResolvedStyle s = currentStyle();
    if (!transparent()) c.fillRect(clientRect(), s.color);
    const Rect cap = captionRect();
    {
        CanvasSaver saver(c);
        // Everything but the caption's rectangle: the frame is interrupted there.
        const int top = frameTop();
        const Color fc = frameColor();
        c.fillRect({0, top, cap.empty() ? width() : cap.left, top + 1}, fc);
        if (!cap.empty()) c.fillRect({cap.right, top, width(), top + 1}, fc);
        c.fillRect({0, top, 1, height()}, fc);
        c.fillRect({width() - 1, top, width(), height()}, fc);
        c.fillRect({0, height() - 1, width(), height()}, fc);
    }
    if (!cap.empty())
        c.drawText(s.font, s.textColor, cap.inflated(-1, -1), caption(), text::NoClip);
    if (focused()) c.drawFocusRect(cap);
}

TFlatRadioGroup::TFlatRadioGroup(Control* parent) : TFlatGroupBox(parent) {
    setTabStop(true);
}

}  // namespace lymn
