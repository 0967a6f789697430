#pragma once

#include <functional>

#include "platform/Control.h"
#include "skin/TSkinTabControlTopPanel.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

// A tab container: a strip of picture tabs on top of a body framed by a border.
class TSkinTab : public Control {
  public:
    explicit TSkinTab(Control* parent);

    TSkinTabControlTopPanel& strip() { return *strip_; }
    const TSkinTabControlTopPanel& strip() const { return *strip_; }
    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    int LeftMargin() const { return strip_->LeftMargin(); }
    void setLeftMargin(int m) { strip_->setLeftMargin(m); }
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    void setTabFont(const FontSpec& f);
    std::function<void(Control&, int)> OnTabActive;

    // The strip selected tab index.
    virtual void tabActivated(int index);
    void paint(Canvas& canvas) override;
    void fontChanged() override { strip_->setFont(font()); }

  protected:
    // What a change of style does to the container's contents.
    virtual void styleUpdate() {}
    virtual void borderColorChanged() {}
    bool loadingState() const;

  private:
    TSkinTabControlTopPanel* strip_ = nullptr;
    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    Color borderColor_ = colors::black;
};

}  // namespace lymn
