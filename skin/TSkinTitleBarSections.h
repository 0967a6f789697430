#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace lymn {

enum class TSkinTitleBarAlign { skinLeft, skinRight, skinClient };

// A picture section of the title bar.
class TSkinTitleBarSection {
  public:
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    int Width() const { return width_; }
    void setWidth(int w);
    TSkinTitleBarAlign Align() const { return align_; }
    const Bitmap& Picture() const { return picture_; }
    void setPicture(const Bitmap& p);
    // A client section is always stretched.
    bool Stretch() const { return stretch_ || align_ == TSkinTitleBarAlign::skinClient; }
    void setStretch(bool s);

  private:
    friend class TSkinTitleBarSections;
    void changed();

    bool autoSize_ = false;
    int width_ = 10;
    TSkinTitleBarAlign align_ = TSkinTitleBarAlign::skinLeft;
    Bitmap picture_;
    bool stretch_ = false;
    class TSkinTitleBarSections* owner_ = nullptr;
};

// The sections of a title bar; at most one is aligned to the client area.
class TSkinTitleBarSections {
  public:
    explicit TSkinTitleBarSections(std::function<void(const std::string&)> errorBox = {},
                                   std::function<void()> onChange = {})
        : errorBox_(std::move(errorBox)), onChange_(std::move(onChange)) {}
    TSkinTitleBarSections(const TSkinTitleBarSections&) = delete;
    TSkinTitleBarSections& operator=(const TSkinTitleBarSections&) = delete;

    TSkinTitleBarSection& add();
    void clear();
    int count() const { return static_cast<int>(items_.size()); }
    TSkinTitleBarSection& operator[](int i) { return *items_.at(static_cast<size_t>(i)); }
    const TSkinTitleBarSection& operator[](int i) const {
        return *items_.at(static_cast<size_t>(i));
    }
    // A second client section is refused with an error box; the value stays.
    void setAlign(TSkinTitleBarSection& s, TSkinTitleBarAlign a);

  private:
    friend class TSkinTitleBarSection;
    std::vector<std::unique_ptr<TSkinTitleBarSection>> items_;
    std::function<void(const std::string&)> errorBox_;
    std::function<void()> onChange_;
};

}  // namespace lymn
