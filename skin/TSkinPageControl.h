#pragma once

#include <string>
#include <vector>

#include "skin/TSkinTab.h"

namespace lymn {

class TSkinTabSheet;

// A tab container whose tabs select pages; the active page is brought in front of the others,
// which stay visible behind it.
class TSkinPageControl : public TSkinTab {
  public:
    explicit TSkinPageControl(Control* parent);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TSkinTabSheet* GetPage(int i) const;
    TSkinTabSheet* ActivePage() const { return active_; }
    void setActivePage(TSkinTabSheet* page);
    // While loading: the stored order of the pages by name.
    void setPageNames(std::vector<std::string> names) { pageNames_ = std::move(names); }

    void tabActivated(int index) override;
    void loaded() override;
    void loadingFinished() override;
    void colorChanged() override;

    // Called by the pages.
    void rebuildCaptions();
    void pageTabVisibility(TSkinTabSheet* page, bool visible);

  protected:
    void styleUpdate() override;
    void borderColorChanged() override;
    void childAdded(Control& child) override;
    void childRemoved(Control& child) override;

  private:
    void renumber();

    std::vector<TSkinTabSheet*> pages_;
    TSkinTabSheet* active_ = nullptr;
    TSkinTabSheet* storedActive_ = nullptr;
    std::vector<std::string> pageNames_;
};

}  // namespace lymn
