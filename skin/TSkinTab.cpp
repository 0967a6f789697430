#include "skin/TSkinTab.h"

#include "platform/Form.h"
#include "skin/ThemeTable.h"

namespace lymn {

TSkinTab::TSkinTab(Control* parent) : Control(parent) {
    setBounds(0, 0, 185, 80);
    strip_ = &add<TSkinTabControlTopPanel>();
    setUIStyle(GetSkinFormStyle(form()));
}

bool TSkinTab::loadingState() const {
    const Form* f = form();
    return f && f->loading();
}

void TSkinTab::setUIStyle(TSkinUIStyle s) {
    if (s == TSkinUIStyle::Custom) return;
    style_ = s;
    strip_->setColor(GetThemeColor(s, theme::TabBodyColor));
    setBorderColor(GetThemeColor(s, theme::TabBorderColor));
    strip_->setUIStyle(s);
    setColor(s == TSkinUIStyle::Sky ? colors::white : GetThemeColor(s, theme::TabBodyColor));
    styleUpdate();
    invalidate();
}

void TSkinTab::setBorderColor(Color c) {
    borderColor_ = c;
    borderColorChanged();
    invalidate();
}

void TSkinTab::setTabFont(const FontSpec& f) {
    setFont(f);
    strip_->setFont(f);
}

void TSkinTab::tabActivated(int index) {
    if (!loadingState() && OnTabActive) OnTabActive(*this, index);
}

void TSkinTab::paint(Canvas& c) {
    const int top = strip_->visible() ? strip_->height() : 0;
    const Rect body{0, top, width(), height()};
    c.fillRect(body, color());
    c.fillRect({0, top, 1, height()}, borderColor_);
    c.fillRect({0, height() - 1, width(), height()}, borderColor_);
    c.fillRect({width() - 1, top, width(), height()}, borderColor_);
}

}  // namespace lymn
