#include "skin/TSkinTabSheet.h"

#include "skin/TSkinPageControl.h"

namespace lymn {

TSkinTabSheet::TSkinTabSheet(Control* parent) : Control(parent) {
    setAlign(Align::Client);
}

void TSkinTabSheet::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    if (pageControl_) pageControl_->rebuildCaptions();
}

void TSkinTabSheet::setTabVisible(bool v) {
    tabVisible_ = v;
    if (pageControl_) pageControl_->pageTabVisibility(this, v);
}

bool TSkinTabSheet::tabsInto() const {
    return !pageControl_ || pageControl_->ActivePage() == this;
}

void TSkinTabSheet::paint(Canvas& c) {
    c.fillRect(clientRect(), color());
    c.fillRect({0, 0, 1, height()}, borderColor_);
    c.fillRect({0, height() - 1, width(), height()}, borderColor_);
    c.fillRect({width() - 1, 0, width(), height()}, borderColor_);
}

}  // namespace lymn
