#include "platform/HintWindow.h"

#include "platform/Application.h"

namespace lymn {

namespace {

const FontSpec kHintFont{"Tahoma", 11, false, colors::black};

}  // namespace

HintWindow::HintWindow(Application& app) : Form(app, WindowKind::Tooltip) {
    setFont(kHintFont);
    setColor(Color::rgb(0xFFFFE1));
}

void HintWindow::showAt(const std::string& text, Point screen) {
    text_ = text;
    FontSystem& fonts = application().fonts();
    setSize(fonts.textWidth(kHintFont, text) + 8, fonts.metrics(kHintFont).height() + 4);
    const Rect area = application().backend().workArea();
    Point at = screen;
    if (at.x + width() > area.right) at.x = area.right - width();
    if (at.y + height() > area.bottom) at.y = screen.y - height() - 24;
    setPosition(at);
    invalidate();
    show();
}

void HintWindow::paint(Canvas& c) {
    c.fillRect(clientRect(), color());
    c.frameRect(clientRect(), colors::black);
    c.drawText(kHintFont, colors::black, clientRect().inflated(-4, -2), text_,
               text::VCenter | text::NoPrefix);
}

}  // namespace lymn
