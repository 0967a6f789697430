#include "skin/TSkinPageControl.h"

#include <algorithm>
#include <utility>

#include "skin/TSkinTabSheet.h"
#include "skin/ThemeTable.h"

namespace lymn {

TSkinPageControl::TSkinPageControl(Control* parent) : TSkinTab(parent) {
    strip().setTabs({});
}

TSkinTabSheet* TSkinPageControl::GetPage(int i) const {
    return i >= 0 && i < PageCount() ? pages_[static_cast<size_t>(i)] : nullptr;
}

void TSkinPageControl::setActivePage(TSkinTabSheet* page) {
    if (loadingState()) {
        storedActive_ = page;
        return;
    }
    if (!page) {
        active_ = nullptr;
        return;
    }
    // As a tab click does.
    strip().setTabIndex(page->PageIndex());
}

void TSkinPageControl::tabActivated(int index) {
    if (TSkinTabSheet* page = GetPage(index)) {
        active_ = page;
        page->setVisible(true);
        page->bringToFront();
        if (page->OnShow) page->OnShow(*page);
    }
    TSkinTab::tabActivated(index);
}

void TSkinPageControl::renumber() {
    for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->pageIndex_ = static_cast<int>(i);
}

void TSkinPageControl::rebuildCaptions() {
    std::vector<std::string> captions;
    for (TSkinTabSheet* p : pages_) captions.push_back(p->Caption());
    strip().setTabs(std::move(captions));
}

void TSkinPageControl::pageTabVisibility(TSkinTabSheet* page, bool visible) {
    strip().setTabVisible(page->PageIndex(), visible);
    if (visible) {
        setActivePage(page);
        return;
    }
    // The nearest earlier page with a visible tab, else the nearest later one.
    for (int i = page->PageIndex() - 1; i >= 0; --i)
        if (pages_[static_cast<size_t>(i)]->TabVisible())
            return setActivePage(pages_[static_cast<size_t>(i)]);
    for (int i = page->PageIndex() + 1; i < PageCount(); ++i)
        if (pages_[static_cast<size_t>(i)]->TabVisible())
            return setActivePage(pages_[static_cast<size_t>(i)]);
}

void TSkinPageControl::childAdded(Control& child) {
    auto* page = dynamic_cast<TSkinTabSheet*>(&child);
    if (!page) return;
    page->pageControl_ = this;
    page->setColor(color());
    page->borderColor_ = BorderColor();
    pages_.push_back(page);
    renumber();
    rebuildCaptions();
    setActivePage(page);
}

void TSkinPageControl::childRemoved(Control& child) {
    auto* page = dynamic_cast<TSkinTabSheet*>(&child);
    if (!page) return;
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    const int index = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    page->pageControl_ = nullptr;
    page->pageIndex_ = -1;
    renumber();
    rebuildCaptions();
    if (active_ == page) {
        active_ = nullptr;
        if (index > 0) setActivePage(pages_[static_cast<size_t>(index - 1)]);
    }
}

void TSkinPageControl::loaded() {
    if (!pageNames_.empty() && pageNames_.size() == pages_.size()) {
        auto position = [this](TSkinTabSheet* p) {
            return std::find(pageNames_.begin(), pageNames_.end(), p->name()) - pageNames_.begin();
        };
        std::stable_sort(pages_.begin(), pages_.end(), [&](TSkinTabSheet* a, TSkinTabSheet* b) {
            return position(a) < position(b);
        });
        renumber();
        rebuildCaptions();
        for (TSkinTabSheet* p : pages_) strip().setTabVisible(p->PageIndex(), p->TabVisible());
    }
}

void TSkinPageControl::loadingFinished() {
    if (storedActive_) setActivePage(std::exchange(storedActive_, nullptr));
}

void TSkinPageControl::colorChanged() {
    for (TSkinTabSheet* p : pages_) p->setColor(color());
    invalidate();
}

void TSkinPageControl::styleUpdate() {
    for (TSkinTabSheet* p : pages_) {
        p->setColor(color());
        p->borderColor_ = BorderColor();
        ContainerApplyUIStyle(*p, UIStyle());
    }
}

void TSkinPageControl::borderColorChanged() {
    for (TSkinTabSheet* p : pages_) p->borderColor_ = BorderColor();
    if (active_) active_->invalidate();
}

}  // namespace lymn
