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
    TSkinTitleBarBtnType ButtonType() const { return type_; }
    bool Transparent = false;
    int Top = 2;
    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    Bitmap PicNormal;
    Bitmap PicMouseOn;
    Bitmap PicMouseDown;
    Size size() const { return PicNormal.size(); }
    // Takes the pictures, top and transparency of its style and type; a maximise button shows
    // the restore pictures while the form is maximised.
    void UpdateUIStyle(bool formMaximised = false);

  private:
    friend class TSkinTitleBarButtons;
    TSkinTitleBarBtnType type_ = TSkinTitleBarBtnType::skinCustom;
    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    class TSkinTitleBarButtons* owner_ = nullptr;
};

// The buttons of a title bar; at most one is the control box.
class TSkinTitleBarButtons {
  public:
    explicit TSkinTitleBarButtons(std::function<void(const std::string&)> errorBox = {},
                                  std::function<void()> onChange = {})
        : errorBox_(std::move(errorBox)), onChange_(std::move(onChange)) {}
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

  private:
    friend class TSkinTitleBarButton;
    std::vector<std::unique_ptr<TSkinTitleBarButton>> items_;
    std::function<void(const std::string&)> errorBox_;
    std::function<void()> onChange_;
};

}  // namespace lymn
