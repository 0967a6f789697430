#pragma once

#include <string>

#include "editors/TFlatCustomEdit.h"

namespace lymn {

// A captioned frame holding other controls. The frame's top edge lies half a text line below
// the top; the caption interrupts it 8 pixels from the left.
class TFlatGroupBox : public TFlatCustomEdit {
  public:
    static constexpr int kCaptionIndent = 8;

    explicit TFlatGroupBox(Control* parent);

    const std::string& caption() const { return windowText_; }
    void setCaption(const std::string& c) { setText(c); }
    // In the group box's coordinates.
    Rect captionRect() const;
    int frameTop() const;
    Color frameColor() const;

  protected:
    void textChanged() override { invalidate(); }
    void paint(Canvas& canvas) override;
    Color defaultColor() const override;
    EditBorderStyle defaultBorderStyle() const override { return EditBorderStyle::None; }
    bool defaultHotTrack() const override { return false; }
};

// A radio group without items: a captioned frame that takes the focus.
class TFlatRadioGroup : public TFlatGroupBox {
  public:
    explicit TFlatRadioGroup(Control* parent);
    bool acceptsFocus() const override { return true; }
};

}  // namespace lymn
