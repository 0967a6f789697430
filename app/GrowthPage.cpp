#include "app/GrowthPage.h"

#include <charconv>

#include "app/Frmly.h"
#include "app/GrowthLegend.h"
#include "app/GrowthTableView.h"
#include "app/LayoutControls.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"

namespace lymn {

namespace {

using sim::GrowthColumn;

const Color kCaptionGreen = Color::rgb(0x008040);
const Color kPurple = Color::rgb(0x800080);

// Life, mana, stamina, attack and defence: the lines drawn at first.
constexpr GrowthColumns kFirstShown = {false, false, false, false, true, true,
                                       true,  true,  false, true,  false};

// A caption read as a number; none when it is not one.
std::optional<int32_t> numberIn(std::string_view text) {
    int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return v;
}

// A label's value on the chart: the damage's two ends from "low-high".
std::optional<std::array<int32_t, 2>> valueIn(GrowthColumn c, const std::string& caption) {
    if (c != GrowthColumn::Damage) {
        const auto v = numberIn(caption);
        if (!v) return std::nullopt;
        return std::array<int32_t, 2>{*v, *v};
    }
    const size_t dash = caption.find('-', 1);
    if (dash == std::string::npos) return std::nullopt;
    const auto low = numberIn(std::string_view(caption).substr(0, dash));
    const auto high = numberIn(std::string_view(caption).substr(dash + 1));
    if (!low || !high) return std::nullopt;
    return std::array<int32_t, 2>{*low, *high};
}

std::string buildName(int appearance, int profession) {
    return std::string(sim::AppearanceTable[static_cast<size_t>(appearance)].name) + " " +
           std::string(sim::ProfessionTable[static_cast<size_t>(profession)].name);
}

TFlatLabel& caption(Control& parent, const char* name, int size, bool bold, Color colour) {
    auto& l = parent.add<TFlatLabel>();
    l.setName(name);
    l.Style.font = {"宋体", size, bold, colors::black};
    l.Style.textColor = colour;
    l.setTransparent(true);
    return l;
}

}  // namespace

GrowthPage::GrowthPage(Control* parent, TFormLy& form) : Control(parent), form_(form) {
    setName("GrowthPage");
    setAlign(Align::Client);
    sheet_ = dynamic_cast<TSkinTabSheet*>(parent->parent());
    if (sheet_)
        sheet_->OnShow = [this](Control&) {
            refresh();
            chart_->setFocus();
        };
    name_ = &caption(*this, "LabGrowthBuild", 13, true, kCaptionGreen);
    pinName_ = &caption(*this, "LabGrowthPinned", 12, false, kPurple);
    pinButton_ = &pinstripeButton(*this, "BtnPin", "对比", 3);
    pinButton_->onClick = [this](Control&) { pin(); };
    unpinButton_ = &pinstripeButton(*this, "BtnUnpin", "清除对比", 4);
    unpinButton_->onClick = [this](Control&) { unpin(); };
    copyButton_ = &pinstripeButton(*this, "BtnCopyTable", "复制表格", 5);
    copyButton_->setHint("整张表复制下来(Ctrl+C),能直接贴进电子表格");
    copyButton_->setShowHint(true);
    copyButton_->onClick = [this](Control&) { copyTable(); };
    legend_ = &add<GrowthLegend>();
    legend_->setName("GrowthLegend");
    legend_->setShown(kFirstShown);
    legend_->setTabOrder(0);
    chart_ = &add<GrowthChart>();
    chart_->setName("GrowthChart");
    chart_->setTabOrder(1);
    chart_->setShown(kFirstShown);
    legend_->onChange = [this](const GrowthColumns& shown) { chart_->setShown(shown); };
    table_ = &add<GrowthTableView>();
    table_->setName("GrowthTable");
    table_->setTabOrder(2);
    hook_ = form_.addHook([this](FormMessage& m) { keys(m); });
}

GrowthPage::~GrowthPage() {
    form_.removeHook(hook_);
}

void GrowthPage::resized() {
    const int w = width(), h = height();
    name_->setBounds(10, 7, w - 240, 17);
    pinName_->setBounds(10, 24, w - 240, 15);
    copyButton_->setBounds(w - 10 - 66, 9, 66, 23);
    unpinButton_->setBounds(w - 10 - 66 - 4 - 66, 9, 66, 23);
    pinButton_->setBounds(w - 10 - 2 * 70 - 50, 9, 50, 23);
    legend_->setBounds(10, 42, w - 20, 2 * GrowthLegend::kRowHeight);
    const int chartTop = 78;
    const int chartHeight = (h - chartTop - 8) * 11 / 20;
    chart_->setBounds(8, chartTop, w - 16, chartHeight);
    table_->setBounds(8, chartTop + chartHeight + 6, w - 16, h - 8 - (chartTop + chartHeight + 6));
}

bool GrowthPage::active() const {
    return sheet_ && sheet_->PageControl() && sheet_->PageControl()->ActivePage() == sheet_;
}

GrowthPage::Shown GrowthPage::read() const {
    const sim::CharacterControls& c = form_.controls();
    const sim::CharacterSheet& s = form_.Sheet;
    Shown now;
    now.appearance = c.ImageBoxJs->ItemIndex();
    now.profession = c.ImageBoxZy->ItemIndex();
    now.row = {s.BaseLl, s.BaseTp, s.BaseYs, s.BaseJg};
    now.level = c.EdtRank->text();
    const std::array<const TFlatLabel*, sim::kGrowthColumnCount> labels{
        c.Labll, c.Labtp, c.Labys, c.Labjg, c.sm, c.fl, c.tl, c.gjl, c.shl, c.fy, c.fsxg};
    for (size_t i = 0; i < labels.size(); ++i) now.captions[i] = labels[i]->caption();
    return now;
}

void GrowthPage::update() {
    Shown now = read();
    if (shown_ && now == *shown_) return;
    const bool sameBuild = shown_ && shown_->appearance == now.appearance &&
                           shown_->profession == now.profession && shown_->row == now.row;
    shown_ = std::move(now);
    pending_ = true;
    if (sameBuild) return;
    tablesChanged_ = true;
    current_.reset();
    error_.clear();
    if (!sim::chosenItem(sim::AppearanceTable, shown_->appearance) ||
        !sim::chosenItem(sim::ProfessionTable, shown_->profession))
        return;
    try {
        current_.emplace(sim::groupOfIndex(shown_->profession), shown_->row);
    } catch (const Error& e) {
        // Said on the page in the chart's place, and by pin, copy and the driver's table.
        error_ = e.what();
    }
}

std::optional<GrowthMarker> GrowthPage::marker() const {
    if (!current_) return std::nullopt;
    const auto level = numberIn(shown_->level);
    if (!level || *level < 1 || *level > sim::GrowthTable::kLevels) return std::nullopt;
    GrowthMarker m;
    m.level = *level;
    for (const auto& info : sim::GrowthColumnTable) {
        const size_t i = static_cast<size_t>(info.column);
        m.values[i] = valueIn(info.column, shown_->captions[i]);
    }
    return m;
}

void GrowthPage::push() {
    pending_ = false;
    const bool picked = current_ || !error_.empty();
    name_->setCaption(picked ? buildName(shown_->appearance, shown_->profession) : "");
    pinName_->setCaption(pinned_ ? "对比: " + pinned_->name + " (虚线)" : "");
    std::string message;
    if (!error_.empty())
        message = "伙计,数值太大,算不过来了: " + error_;
    else if (!current_ && !pinned_)
        message = kPickFirst;
    chart_->setMessage(message);
    const std::optional<GrowthMarker> m = marker();
    chart_->setMarker(m);
    table_->setLitLevel(m ? m->level : 0);
    if (tablesChanged_) {
        tablesChanged_ = false;
        chart_->setTables(currentTable(), pinnedTable());
        table_->setTables(error_.empty() ? currentTable() : nullptr, pinnedTable());
    }
}

void GrowthPage::refresh() {
    if (!active()) return;
    update();
    if (pending_) push();
}

void GrowthPage::pin() {
    update();
    if (!error_.empty()) throw Error(error_);
    if (!current_) {
        form_.application().messageBox(kPickFirst);
        return;
    }
    pinned_.emplace(
        Pinned{form_.currentBuild(), buildName(shown_->appearance, shown_->profession), *current_});
    tablesChanged_ = pending_ = true;
    refresh();
}

void GrowthPage::unpin() {
    if (!pinned_) return;
    pinned_.reset();
    tablesChanged_ = pending_ = true;
    refresh();
}

std::optional<sim::Build> GrowthPage::pinnedBuild() const {
    if (!pinned_) return std::nullopt;
    return pinned_->build;
}

std::string GrowthPage::csv() {
    update();
    if (!error_.empty()) throw Error(error_);
    if (!current_ && !pinned_) {
        form_.application().messageBox(kPickFirst);
        return "";
    }
    return sim::GrowthTable::csv(currentTable(), pinnedTable());
}

void GrowthPage::copyTable() {
    update();
    if (!error_.empty()) throw Error(error_);
    if (!current_ && !pinned_) {
        form_.application().messageBox(kPickFirst);
        return;
    }
    form_.application().backend().setClipboardText(
        sim::GrowthTable::tsv(currentTable(), pinnedTable()));
}

void GrowthPage::keys(FormMessage& m) {
    if (m.kind != FormMessage::Kind::KeyDown || m.handled || !active()) return;
    if (m.key.key != Key('c') || m.key.mods != mods::Ctrl) return;
    // Only where the keyboard is on this page: an edit elsewhere keeps its own Ctrl+C.
    const Control* focused = form_.focusedControl();
    if (focused && !isAncestorOf(focused)) return;
    m.handled = true;
    form_.application().guarded([this] { copyTable(); });
}

}  // namespace lymn
