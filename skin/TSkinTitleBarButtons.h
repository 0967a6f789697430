#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

enum class TSkinTitleBarBtnType {
    skinMax,
    skinMin,
    skinClose,
    skinHelp,
    skinControlBox,
    skinCustom
};

// A button of the title bar; its size is the size of its normal picture.
class TSkinTitleBarButton {
  public:
    // The button's top in the bar: assigning it tells the bar, which lays itself out again.
    class TopValue {
      public:
        TopValue& operator=(int top);
        operator int() const { return top_; }  // NOLINT(google-explicit-constructor)

      private:
        friend class TSkinTitleBarButton;
        explicit TopValue(TSkinTitleBarButton& button) : button_(button) {}
        TSkinTitleBarButton& button_;
        int top_ = 2;
    };

    TSkinTitleBarButton() = default;
    TSkinTitleBarButton(const TSkinTitleBarButton&) = delete;
    TSkinTitleBarButton& operator=(const TSkinTitleBarButton&) = delete;

    TSkinTitleBarBtnType ButtonType() const { return type_; }
    // Whether the pictures leave out the colour of their bottom-left pixel.
    bool Transparent = false;
    TopValue Top{*this};
    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    const Bitmap& PicNormal() const { return normal_; }
    const Bitmap& PicMouseOn() const { return mouseOn_; }
    const Bitmap& PicMouseDown() const { return mouseDown_; }
    Size size() const { return normal_.size(); }
    // Takes the pictures, top and transparency of its style and type; a maximise button shows
    // the restore pictures while the form is maximised.
    void UpdateUIStyle(bool formMaximised = false);

  private:
    friend class TSkinTitleBarButtons;
    void changed();

    TSkinTitleBarBtnType type_ = TSkinTitleBarBtnType::skinCustom;
    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    Bitmap normal_;
    Bitmap mouseOn_;
    Bitmap mouseDown_;
    class TSkinTitleBarButtons* owner_ = nullptr;
};

// The buttons of a title bar; at most one is the control box. Their pictures are loaded at the
// scale the bar gives (1 without one).
class TSkinTitleBarButtons {
  public:
    explicit TSkinTitleBarButtons(std::function<void(const std::string&)> errorBox = {},
                                  std::function<void()> onChange = {},
                                  std::function<int()> scale = {})
        : errorBox_(std::move(errorBox)),
          onChange_(std::move(onChange)),
          scale_(std::move(scale)) {}
    TSkinTitleBarButtons(const TSkinTitleBarButtons&) = delete;
    TSkinTitleBarButtons& operator=(const TSkinTitleBarButtons&) = delete;

    TSkinTitleBarButton& add(TSkinTitleBarBtnType type = TSkinTitleBarBtnType::skinCustom);
    void clear();
    int count() const { return static_cast<int>(items_.size()); }
    TSkinTitleBarButton& operator[](int i) { return *items_.at(static_cast<size_t>(i)); }
    const TSkinTitleBarButton& operator[](int i) const {
        return *items_.at(static_cast<size_t>(i));
    }
    // A second control box is refused with an error box; the type stays.
    void setButtonType(TSkinTitleBarButton& b, TSkinTitleBarBtnType t);
    int scale() const { return scale_ ? scale_() : 1; }

  private:
    friend class TSkinTitleBarButton;
    std::vector<std::unique_ptr<TSkinTitleBarButton>> items_;
    std::function<void(const std::string&)> errorBox_;
    std::function<void()> onChange_;
    std::function<int()> scale_;
};

}  // namespace lymn
