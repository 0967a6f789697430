#pragma once

#include <functional>
#include <string>

#include "platform/Control.h"

namespace lymn {

class TSkinPageControl;

// A page of a page control.
class TSkinTabSheet : public Control {
  public:
    explicit TSkinTabSheet(Control* parent);

    int PageIndex() const { return pageIndex_; }
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& c);
    bool TabVisible() const { return tabVisible_; }
    void setTabVisible(bool v);
    TSkinPageControl* PageControl() const { return pageControl_; }
    Color borderColor() const { return borderColor_; }
    std::function<void(Control&)> OnShow;

    void paint(Canvas& canvas) override;
    bool opaque() const override { return true; }
    // Only the active page's controls are reached by Tab.
    bool tabsInto() const override;

  private:
    friend class TSkinPageControl;
    int pageIndex_ = -1;
    std::string caption_;
    bool tabVisible_ = true;
    TSkinPageControl* pageControl_ = nullptr;
    Color borderColor_ = colors::black;
};

}  // namespace lymn
