#pragma once

#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Control.h"

namespace lymn {

enum class TSkinDrawStyle { skinNormal, skinStretch, skinTile };
enum class CaptionAlignment { Left, Right, Center };

// A container that draws a picture as its background (unscaled from the top-left corner,
// stretched, or tiled), optionally over its parent's background, with an optional caption.
class TSkinImagePanel : public Control {
  public:
    explicit TSkinImagePanel(Control* parent);

    const Bitmap& picture() const { return *picture_; }
    void setPicture(const Bitmap& p);
    // A picture shared with other panels (the same page background on both pages).
    void setPicture(std::shared_ptr<const Bitmap> p);
    TSkinDrawStyle drawStyle() const { return drawStyle_; }
    void setDrawStyle(TSkinDrawStyle s);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    CaptionAlignment alignment() const { return alignment_; }
    void setAlignment(CaptionAlignment a);

    void paint(Canvas& canvas) override;
    bool opaque() const override { return !transparent_; }
    void resized() override { invalidate(); }

  private:
    void applyAutoSize();

    std::shared_ptr<const Bitmap> picture_ = std::make_shared<Bitmap>();
    TSkinDrawStyle drawStyle_ = TSkinDrawStyle::skinNormal;
    bool transparent_ = false;
    bool autoSize_ = false;
    std::string caption_;
    CaptionAlignment alignment_ = CaptionAlignment::Center;
};

}  // namespace lymn
