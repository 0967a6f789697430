#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "platform/Form.h"
#include "store/BuildStore.h"

namespace lymn {

class Control;
class TFlatLabel;
class TFlatListView;
class TFlatTextEdit;
class TFormLy;
class TSkinTabSheet;

// The page "我的方案": the saved builds listed newest first with their portrait, emblem, name,
// level and time, and the buttons that save the build shown under a name, load, rename and
// delete a saved one, and copy and paste build codes. Its controls are children of the page's
// panel; this object holds their handlers.
class SavedBuildsPage {
  public:
    static constexpr int kRowHeight = 34;
    static constexpr int kStatusLines = 3;

    SavedBuildsPage(TFormLy& form, TSkinTabSheet& sheet, Control& panel);

    // The list read again from the saved builds (when the page is shown, and after a change).
    void refresh();
    const std::vector<store::SavedBuild>& builds() const { return builds_; }
    // The saved build selected in the list, nullptr for none.
    const store::SavedBuild* selected() const;
    void select(const std::string& name);
    // What the status lines under the buttons say, as one text.
    std::string status() const;

    // Handlers of the page's controls.
    void BtnSaveBuildClick(Control& sender);
    void BtnLoadBuildClick(Control& sender);
    void BtnRenameBuildClick(Control& sender);
    void BtnDeleteBuildClick(Control& sender);
    void BtnCopyCodeClick(Control& sender);
    void BtnPasteCodeClick(Control& sender);
    void ListBuildsChange(Control& sender);

  private:
    void createControls(Control& panel);
    void listKeys(FormMessage& m);
    const store::SavedBuild& requireSelected() const;
    void say(const std::string& text, Color color);
    void sayState();
    void showCharacterPage();
    // A button's handler: a click elsewhere cancels a delete waiting for its second click.
    std::function<void(Control&)> button(void (SavedBuildsPage::*handler)(Control&));

    TFormLy& form_;
    TSkinTabSheet& sheet_;
    TFlatListView* list_ = nullptr;
    TFlatTextEdit* name_ = nullptr;
    std::vector<TFlatLabel*> statusLines_;
    std::vector<store::SavedBuild> builds_;
    std::string status_;
    // The build a first click on "删除" picked; the second click deletes it.
    int64_t deleteAsked_ = 0;
};

}  // namespace lymn
