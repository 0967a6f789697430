#pragma once

#include <memory>
#include <string>

#include "editors/TFlatCustomEdit.h"
#include "editors/TFlatInnerEdit.h"

namespace lymn {

class TFlatTextEditProperties : public TFlatCustomEditProperties {
  public:
    TFlatTextEditProperties() : TFlatCustomEditProperties(true) {}
};

// A one-line text edit. Its text is the inner edit's; its value follows the text after every
// program assignment. An assignment made while the edit is still applying an earlier one is
// not applied: the edit keeps its text and no notification runs.
class TFlatTextEdit : public TFlatCustomEdit {
  public:
    static constexpr int kInnerMarginX = 2;
    static constexpr int kInnerMarginY = 3;

    explicit TFlatTextEdit(Control* parent, std::unique_ptr<TFlatCustomEditProperties> properties =
                                                std::make_unique<TFlatTextEditProperties>());

    TFlatInnerEdit& innerEdit() { return *inner_; }
    std::string text() const override { return inner_->text(); }
    bool settingText() const { return settingText_; }
    bool acceptsFocus() const override { return true; }
    bool hasEditFocus() const override;
    void focusIn() override;
    void resized() override { placeInner(); }

  protected:
    void setTextMessage(const std::string& value) override;
    void SynchronizeDisplayValue() override;
    void adjustSize() override;
    void loaded() override;

  private:
    void placeInner();

    TFlatInnerEdit* inner_;
    bool settingText_ = false;
};

}  // namespace lymn
