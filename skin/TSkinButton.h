#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "skin/TSkinCustomButton.h"

namespace lymn {

// The themed push button: one of three pictures of its style (normal, mouse over, pressed)
// scaled by the nine-slice method, its caption centred, a coloured focus line. The pictures are
// decoded when the style or a picture name changes; painting only picks one.
class TSkinButton : public TSkinCustomButton {
  public:
    explicit TSkinButton(Control* parent);

    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool t);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    // Picture names of the Custom style; setting one switches the style to Custom.
    void setPicNormalResName(const std::string& n);
    void setPicMouseOnResName(const std::string& n);
    void setPicMouseDownResName(const std::string& n);

    // The picture of the current state: disabled and normal show the normal one.
    std::string statePicture() const;
    const Bitmap& statePictureBitmap() const { return pictures_[statePictureIndex()]; }

    bool canResize(Rect& newBounds) override;
    void paint(Canvas& canvas) override;
    void fontChanged() override { invalidate(); }

  private:
    enum Picture { kNormal, kMouseOn, kMouseDown, kPictures };

    void SetButtonPic(TSkinUIStyle s);
    void setPicture(Picture which, const std::string& name);
    void applyAutoSize();
    Picture statePictureIndex() const;
    void paintCaption(Canvas& c) const;

    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    bool transparent_ = false;
    bool autoSize_ = false;
    std::string names_[kPictures];
    Bitmap pictures_[kPictures];
};

}  // namespace lymn
