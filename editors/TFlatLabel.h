#pragma once

#include <string>

#include "editors/TFlatCustomEdit.h"

namespace lymn {

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

class TFlatLabelProperties : public TFlatCustomEditProperties {
  public:
    TFlatLabelProperties() : TFlatCustomEditProperties(true) {}
    HAlign Alignment = HAlign::Left;
    VAlign VertAlignment = VAlign::Top;
    bool ShowAccelChar = true;
};

// A label. Its caption is what the program's handlers read and write: setting the caption it
// already has does nothing; a new caption becomes the value (as text) and is drawn.
class TFlatLabel : public TFlatCustomEdit {
  public:
    static constexpr int kMarginX = 1;
    static constexpr int kMarginY = 1;

    explicit TFlatLabel(Control* parent);

    TFlatLabelProperties& labelProperties() {
        return static_cast<TFlatLabelProperties&>(properties());
    }
    const TFlatLabelProperties& labelProperties() const {
        return static_cast<const TFlatLabelProperties&>(properties());
    }
    const std::string& caption() const { return windowText_; }
    void setCaption(const std::string& c) { setText(c); }
    char32_t accelerator() const override;

  protected:
    void textChanged() override;
    void SynchronizeDisplayValue() override;
    void paintContent(Canvas& canvas, const Rect& inner) override;
    Color defaultColor() const override;
    EditBorderStyle defaultBorderStyle() const override { return EditBorderStyle::None; }
    bool defaultHotTrack() const override { return false; }
    void adjustSize() override;
    void colorChanged() override { invalidate(); }

  private:
    bool syncing_ = false;
};

}  // namespace lymn
