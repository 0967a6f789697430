#include "skin/TSkinTitleBarSections.h"

namespace lymn {

void TSkinTitleBarSection::changed() {
    if (autoSize_ && !picture_.empty()) width_ = picture_.width();
    if (owner_ && owner_->onChange_) owner_->onChange_();
}

void TSkinTitleBarSection::setAutoSize(bool a) {
    autoSize_ = a;
    changed();
}

void TSkinTitleBarSection::setWidth(int w) {
    width_ = w;
    changed();
}

void TSkinTitleBarSection::setPicture(const Bitmap& p) {
    picture_ = p;
    changed();
}

void TSkinTitleBarSection::setStretch(bool s) {
    stretch_ = s;
    changed();
}

TSkinTitleBarSection& TSkinTitleBarSections::add() {
    items_.push_back(std::make_unique<TSkinTitleBarSection>());
    items_.back()->owner_ = this;
    if (onChange_) onChange_();
    return *items_.back();
}

void TSkinTitleBarSections::clear() {
    items_.clear();
    if (onChange_) onChange_();
}

void TSkinTitleBarSections::setAlign(TSkinTitleBarSection& s, TSkinTitleBarAlign a) {
    if (a == TSkinTitleBarAlign::skinClient)
        for (auto& other : items_)
            if (other.get() != &s && other->align_ == TSkinTitleBarAlign::skinClient) {
                if (errorBox_)
                    errorBox_("Sorry, only one section's Align property can be \"skinClient\"");
                return;
            }
    s.align_ = a;
    s.changed();
}

}  // namespace lymn
