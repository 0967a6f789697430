#include "app/SavedBuildsPage.h"

#include <ctime>

#include "app/Frmly.h"
#include "app/LaunchRequest.h"
#include "app/LayoutControls.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatListView.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/MessageBoxForm.h"
#include "sim/BuildCode.h"
#include "sim/CodeTables.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"

namespace lymn {

namespace {

const Color kMaroon = Color::rgb(0x800000);
const Color kRed = Color::rgb(0xFF0000);

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// The local date and minute of a save, as the list shows it.
std::string timeText(int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (!localtime_r(&t, &local)) return "?";
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

// A saved build as a row of the list; a code this version cannot read keeps its name and time.
TFlatListView::Row rowOf(const store::SavedBuild& saved) {
    TFlatListView::Row row(5);
    row[2].text = saved.name;
    row[4].text = timeText(saved.changedAt);
    try {
        const sim::Build b = sim::BuildCode::decode(saved.code);
        const int appearance = sim::itemIndexOf(sim::AppearanceTable, b.appearance);
        const int profession = sim::itemIndexOf(sim::ProfessionTable, b.profession);
        if (appearance > 0)
            row[0].picture = sim::AppearanceTable[static_cast<size_t>(appearance)].imageIndex;
        if (profession > 0)
            row[1].picture = sim::ProfessionTable[static_cast<size_t>(profession)].imageIndex;
        row[3].text = std::to_string(b.level);
    } catch (const Error&) {
        row[3].text = "?";
    }
    return row;
}

// A pasted text: a build code, or a link to one as the program hands them out.
std::string codeOfPaste(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    std::string trimmed = text.substr(first, last - first + 1);
    if (trimmed.size() > 7 &&
        (trimmed.rfind("lymn://", 0) == 0 || trimmed.rfind("LYMN://", 0) == 0))
        return LaunchRequest::fromArgument(trimmed, [](const auto&) { return false; }).code;
    return trimmed;
}

}  // namespace

SavedBuildsPage::SavedBuildsPage(TFormLy& form, TSkinTabSheet& sheet, Control& panel)
    : form_(form), sheet_(sheet) {
    createControls(panel);
    sheet_.OnShow = [this](Control&) { refresh(); };
    form_.addHook([this](FormMessage& m) { listKeys(m); });
}

void SavedBuildsPage::createControls(Control& panel) {
    const FontSpec sans{"MS Sans Serif", 11, false, sysColor(SysColor::WindowText)};
    auto& list = panel.add<TFlatListView>();
    list.setName("ListBuilds");
    list.setBounds(21, 16, 401, TFlatListView::kHeaderHeight + 3 + 8 * kRowHeight);
    list.setTabOrder(0);
    list.setFont(sans);
    list.setRowHeight(kRowHeight);
    list.setColumns({{"形象", 40, &form_.flatImageList1()},
                     {"职业", 40, &form_.flatImageList2()},
                     {"方案名", 150},
                     {"等级", 40, nullptr, text::Right},
                     {"修改时间", 0}});
    list.onChange = [this](Control& s) { ListBuildsChange(s); };
    list.onOpen = [this](Control& s) { BtnLoadBuildClick(s); };
    list_ = &list;

    fieldLabel(panel, "flatLabelBuildName", 21, 326, "方案名:", song(), Color::rgb(0xDA7607));
    auto& name = panel.add<TFlatTextEdit>();
    name.setName("EdtBuildName");
    name.setBounds(76, 324, 346, 21);
    name.setTabOrder(1);
    name_ = &name;

    struct Button {
        const char* name;
        const char* caption;
        int x;
        int y;
        void (SavedBuildsPage::*click)(Control&);
    };
    static constexpr Button kButtons[] = {
        {"BtnSaveBuild", "保  存", 58, 356, &SavedBuildsPage::BtnSaveBuildClick},
        {"BtnLoadBuild", "载  入", 178, 356, &SavedBuildsPage::BtnLoadBuildClick},
        {"BtnRenameBuild", "改  名", 298, 356, &SavedBuildsPage::BtnRenameBuildClick},
        {"BtnDeleteBuild", "删  除", 58, 386, &SavedBuildsPage::BtnDeleteBuildClick},
        {"BtnCopyCode", "复制代码", 178, 386, &SavedBuildsPage::BtnCopyCodeClick},
        {"BtnPasteCode", "粘贴代码", 298, 386, &SavedBuildsPage::BtnPasteCodeClick},
    };
    int tab = 2;
    for (const Button& b : kButtons) {
        auto& button = pinstripeButton(panel, b.name, b.caption, tab++);
        button.setBounds(b.x, b.y, 80, 23);
        button.onClick = this->button(b.click);
    }

    for (int i = 0; i < kStatusLines; ++i) {
        auto& line = panel.add<TFlatLabel>();
        line.setName("LabBuildStatus" + std::to_string(i + 1));
        line.setAutoSize(false);
        line.setBounds(21, 420 + 17 * i, 401, 17);
        line.Style.font = song();
        line.Style.textColor = kMaroon;
        line.labelProperties().ShowAccelChar = false;
        line.setTransparent(true);
        line.setCaption("");
        statusLines_.push_back(&line);
    }
}

std::function<void(Control&)> SavedBuildsPage::button(void (SavedBuildsPage::*handler)(Control&)) {
    return [this, handler](Control& sender) {
        if (handler != &SavedBuildsPage::BtnDeleteBuildClick) deleteAsked_ = 0;
        (this->*handler)(sender);
    };
}

void SavedBuildsPage::refresh() {
    const store::SavedBuild* before = selected();
    const int64_t keep = before ? before->id : 0;
    builds_ = form_.savedBuilds().list();
    std::vector<TFlatListView::Row> rows;
    rows.reserve(builds_.size());
    int index = -1;
    for (const store::SavedBuild& b : builds_) {
        if (b.id == keep) index = static_cast<int>(rows.size());
        rows.push_back(rowOf(b));
    }
    list_->setRows(std::move(rows));
    list_->setItemIndex(index);
    sayState();
}

const store::SavedBuild* SavedBuildsPage::selected() const {
    const int i = list_->itemIndex();
    return i >= 0 && i < static_cast<int>(builds_.size()) ? &builds_[static_cast<size_t>(i)]
                                                          : nullptr;
}

const store::SavedBuild& SavedBuildsPage::requireSelected() const {
    const store::SavedBuild* b = selected();
    if (!b) throw Error("伙计,先在列表里选一个方案");
    return *b;
}

void SavedBuildsPage::select(const std::string& name) {
    for (size_t i = 0; i < builds_.size(); ++i)
        if (builds_[i].name == name) return list_->setItemIndex(static_cast<int>(i));
    throw Error("伙计,没有叫" + quoted(name) + "的方案");
}

void SavedBuildsPage::ListBuildsChange(Control&) {
    deleteAsked_ = 0;
    if (const store::SavedBuild* b = selected()) name_->setText(b->name);
    sayState();
}

void SavedBuildsPage::BtnSaveBuildClick(Control&) {
    const std::string name = name_->text();
    form_.saveBuild(name);
    refresh();
    select(name);
    say("方案" + quoted(name) + "存好了.", kMaroon);
}

void SavedBuildsPage::BtnLoadBuildClick(Control&) {
    const std::string name = requireSelected().name;
    form_.loadBuild(name);
    showCharacterPage();
    say("载入了方案" + quoted(name) + ".", kMaroon);
}

void SavedBuildsPage::BtnRenameBuildClick(Control&) {
    const store::SavedBuild& b = requireSelected();
    const std::string newName = name_->text();
    if (newName == b.name) return;
    form_.savedBuilds().rename(b.id, newName);
    refresh();
    select(newName);
    say("改好了,现在叫" + quoted(newName) + ".", kMaroon);
}

void SavedBuildsPage::BtnDeleteBuildClick(Control&) {
    const store::SavedBuild b = requireSelected();
    // Nothing is lost by a slip: the first click asks, the second deletes.
    if (deleteAsked_ != b.id) {
        deleteAsked_ = b.id;
        say("再点一次\"删除\",方案" + quoted(b.name) + "就删掉了.", kRed);
        return;
    }
    deleteAsked_ = 0;
    form_.savedBuilds().remove(b.id);
    const int index = list_->itemIndex();
    refresh();
    list_->setItemIndex(std::min(index, list_->count() - 1));
    say("方案" + quoted(b.name) + "删掉了.", kMaroon);
}

void SavedBuildsPage::BtnCopyCodeClick(Control&) {
    std::string code;
    if (const store::SavedBuild* b = selected()) {
        code = b->code;
    } else if (const auto shown = form_.shownBuildCode()) {
        code = *shown;
    } else {
        throw Error("伙计,等级得是1到200才有方案代码");
    }
    form_.application().backend().setClipboardText(code);
    say("代码复制好了:" + code + ",贴给朋友吧.", kMaroon);
}

void SavedBuildsPage::BtnPasteCodeClick(Control&) {
    const std::string code = codeOfPaste(form_.application().backend().clipboardText());
    form_.restoreCode(code);
    showCharacterPage();
    say("粘贴的方案载入了:" + code + ".", kMaroon);
}

void SavedBuildsPage::listKeys(FormMessage& m) {
    if (m.kind != FormMessage::Kind::KeyDown || m.handled || form_.focusedControl() != list_)
        return;
    const KeyEvent& k = m.key;
    const bool ctrl = (k.mods & mods::Ctrl) != 0;
    if (ctrl && k.key == Key('c')) {
        BtnCopyCodeClick(*list_);
    } else if (ctrl && k.key == Key('v')) {
        BtnPasteCodeClick(*list_);
    } else if (!ctrl && k.key == Key::Delete) {
        BtnDeleteBuildClick(*list_);
    } else {
        return;
    }
    m.handled = true;
}

void SavedBuildsPage::showCharacterPage() {
    if (auto* pages = dynamic_cast<TSkinPageControl*>(sheet_.parent()))
        pages->setActivePage(pages->GetPage(0));
}

void SavedBuildsPage::sayState() {
    store::BuildStore& store = form_.savedBuilds();
    if (!store.writable())
        say(store.whyReadOnly(), kRed);
    else if (builds_.empty())
        say("还没有存过方案.起个名字,点\"保存\"就存下了.", kMaroon);
    else
        say("共" + std::to_string(builds_.size()) + "个方案.双击一个就能载入.", kMaroon);
}

void SavedBuildsPage::say(const std::string& text, Color color) {
    status_ = text;
    const TFlatLabel& first = *statusLines_.front();
    std::vector<std::string> lines =
        MessageBoxForm::wrap(form_.application().fonts(), first.currentStyle().font, text,
                             first.width() - 2 * TFlatLabel::kMarginX);
    for (size_t i = 0; i < statusLines_.size(); ++i) {
        statusLines_[i]->Style.textColor = color;
        statusLines_[i]->setCaption(i < lines.size() ? lines[i] : "");
        statusLines_[i]->invalidate();
    }
}

std::string SavedBuildsPage::status() const {
    return status_;
}

}  // namespace lymn
