#include "skin/TSkinTitleBarButtons.h"

#include "skin/ThemeTable.h"

namespace lymn {

TSkinTitleBarButton::TopValue& TSkinTitleBarButton::TopValue::operator=(int top) {
    if (top == top_) return *this;
    top_ = top;
    button_.changed();
    return *this;
}

void TSkinTitleBarButton::changed() {
    if (owner_ && owner_->onChange_) owner_->onChange_();
}

void TSkinTitleBarButton::setUIStyle(TSkinUIStyle s) {
    style_ = s;
    UpdateUIStyle();
}

void TSkinTitleBarButton::UpdateUIStyle(bool formMaximised) {
    if (style_ == TSkinUIStyle::Custom) return;
    Transparent = GetThemeBool(style_, theme::TitleButtonsTransparent);
    int first = -1;
    switch (type_) {
        case TSkinTitleBarBtnType::skinMax:
            first = formMaximised ? theme::TitleRestoreNormal : theme::TitleMaxNormal;
            break;
        case TSkinTitleBarBtnType::skinMin:
            first = theme::TitleMinNormal;
            break;
        case TSkinTitleBarBtnType::skinClose:
            first = theme::TitleCloseNormal;
            break;
        case TSkinTitleBarBtnType::skinHelp:
            first = theme::TitleHelpNormal;
            break;
        case TSkinTitleBarBtnType::skinControlBox:
            first = theme::TitleControlBoxNormal;
            break;
        case TSkinTitleBarBtnType::skinCustom:
            break;
    }
    if (first > 0) {
        const int scale = owner_ ? owner_->scale() : 1;
        LoadThemeBitmap(normal_, GetThemeString(style_, first), scale);
        LoadThemeBitmap(mouseOn_, GetThemeString(style_, first + 1), scale);
        LoadThemeBitmap(mouseDown_, GetThemeString(style_, first + 2), scale);
    }
    Top.top_ = GetThemeInt(style_, theme::TitleButtonTop);
    changed();
}

TSkinTitleBarButton& TSkinTitleBarButtons::add(TSkinTitleBarBtnType type) {
    items_.push_back(std::make_unique<TSkinTitleBarButton>());
    TSkinTitleBarButton& b = *items_.back();
    b.owner_ = this;
    setButtonType(b, type);
    // A refused type leaves a custom button behind, which the bar still has to place.
    if (b.type_ != type && onChange_) onChange_();
    return b;
}

void TSkinTitleBarButtons::clear() {
    items_.clear();
    if (onChange_) onChange_();
}

void TSkinTitleBarButtons::setButtonType(TSkinTitleBarButton& b, TSkinTitleBarBtnType t) {
    if (t == TSkinTitleBarBtnType::skinControlBox)
        for (auto& other : items_)
            if (other.get() != &b && other->type_ == TSkinTitleBarBtnType::skinControlBox) {
                if (errorBox_)
                    errorBox_(
                        "Sorry, only one button's ButtonType property can be \"skinControlBox\"");
                return;
            }
    b.type_ = t;
    b.UpdateUIStyle();
    if (onChange_) onChange_();
}

}  // namespace lymn
