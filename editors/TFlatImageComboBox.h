#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editors/TFlatCustomEdit.h"
#include "editors/TFlatImageList.h"

namespace lymn {

class TFlatDropDownList;

struct TFlatImageComboBoxItem {
    std::string Description;
    int ImageIndex = -1;
    EditValue Value;
};

enum class ImageAlign { Left, Right };

class TFlatImageComboBoxProperties : public TFlatCustomEditProperties {
  public:
    TFlatImageComboBoxProperties() : TFlatCustomEditProperties(false) {}
    // Adds an item; without a picture index it takes its own index when the picture list
    // already has that many pictures, else none (-1).
    TFlatImageComboBoxItem& addItem(const std::string& description, const EditValue& value,
                                    int imageIndex = -2);

    std::vector<TFlatImageComboBoxItem> Items;
    TFlatImageList* Images = nullptr;
    TFlatImageList* LargeImages = nullptr;
    bool ShowDescriptions = true;
    ImageAlign Align = ImageAlign::Left;
    std::string DefaultDescription;
    int DefaultImageIndex = -1;
    int DropDownRows = 8;
    int DropDownWidth = 0;
};

// A closed box showing the selected item's picture and description, with a drop-down list of
// all items. The selected item follows the value: the first item whose value equals it.
class TFlatImageComboBox : public TFlatCustomEdit {
  public:
    static constexpr int kButtonWidth = 17;  // the width of a horizontal scroll bar's arrow

    explicit TFlatImageComboBox(Control* parent);
    ~TFlatImageComboBox() override;

    TFlatImageComboBoxProperties& comboProperties() {
        return static_cast<TFlatImageComboBoxProperties&>(properties());
    }
    const TFlatImageComboBoxProperties& comboProperties() const {
        return static_cast<const TFlatImageComboBoxProperties&>(properties());
    }
    int ItemIndex() const { return itemIndex_; }
    // The user chose the item at key k (-1: none), from the list or by a key.
    void pick(int k);

    bool droppedDown() const;
    void dropDown();
    // Closes the list; with pickHighlighted the highlighted row is picked.
    void closeUp(bool pickHighlighted);
    TFlatDropDownList* list() { return list_.get(); }

    // Geometry of the closed box.
    Rect buttonRect() const;
    Rect pictureRect() const;
    Rect textRect() const;

    bool acceptsFocus() const override { return true; }
    bool wantsKey(const KeyEvent& e) const override;
    bool keyDown(const KeyEvent& e) override;
    void mouseDown(const MouseEvent& e) override;
    bool mouseWheel(int notches) override;
    void focusOut() override;

  protected:
    void SynchronizeDisplayValue() override;
    void paintContent(Canvas& canvas, const Rect& inner) override;
    void adjustSize() override;

  private:
    int lookup(const EditValue& v) const;
    int shownImage() const;
    std::string shownDescription() const;

    int itemIndex_ = -1;
    std::unique_ptr<TFlatDropDownList> list_;
};

}  // namespace lymn
