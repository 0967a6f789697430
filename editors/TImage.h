#pragma once

#include "platform/Bitmap.h"
#include "platform/Control.h"

namespace lymn {

// A picture on the window, centred in its bounds; clicks go to its click event.
class TImage : public Control {
  public:
    explicit TImage(Control* parent);

    const Bitmap& picture() const { return picture_; }
    void setPicture(const Bitmap& p);
    bool center() const { return center_; }
    void setCenter(bool c);
    Rect pictureRect() const;

    void paint(Canvas& canvas) override;
    void mouseUp(const MouseEvent& e) override;

  private:
    Bitmap picture_;
    bool center_ = true;
};

// A plain panel: a raised one-pixel bevel around its colour.
class TPanel : public Control {
  public:
    explicit TPanel(Control* parent);
    void paint(Canvas& canvas) override;
};

}  // namespace lymn
