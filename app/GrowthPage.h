#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/GrowthChart.h"
#include "platform/Control.h"
#include "sim/Build.h"
#include "sim/GrowthTable.h"

namespace lymn {

class GrowthLegend;
class GrowthTableView;
class TFlatLabel;
class TFormLy;
class TSkinButton;
class TSkinTabSheet;
struct FormMessage;

// The page "成长曲线": every level from 1 to 200 of the build the character page shows, as a
// chart and as a table, with a pinned build beside it for comparing. It follows the character
// page while it is in front, and catches up when it comes to the front.
class GrowthPage : public Control {
  public:
    static constexpr char kPickFirst[] = "伙计,先在角色模拟页选好角色和职业吧.";

    // parent: the panel filling the page's tab sheet.
    GrowthPage(Control* parent, TFormLy& form);
    ~GrowthPage() override;

    // Brings the page up to date with the character page while it is the page in front (cheap
    // when nothing changed).
    void refresh();
    bool active() const;

    // "对比": the build shown is pinned; "清除对比": the pin is taken away.
    void pin();
    void unpin();
    // The whole table as tab-separated text on the clipboard (the button and Ctrl+C).
    void copyTable();
    // The table as the driver prints it (see GrowthTable::csv).
    std::string csv();

    const sim::GrowthTable* currentTable() const { return current_ ? &*current_ : nullptr; }
    const sim::GrowthTable* pinnedTable() const { return pinned_ ? &pinned_->table : nullptr; }
    // The build pinned, as the character page showed it then.
    std::optional<sim::Build> pinnedBuild() const;
    GrowthChart& chart() { return *chart_; }
    GrowthLegend& legend() { return *legend_; }
    GrowthTableView& table() { return *table_; }

    void resized() override;

  private:
    // What the page takes from the character page.
    struct Shown {
        int appearance = 0;
        int profession = 0;
        sim::DataRow row;
        std::string level;
        std::array<std::string, sim::kGrowthColumnCount> captions;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    struct Pinned {
        sim::Build build;
        std::string name;
        sim::GrowthTable table;
    };

    Shown read() const;
    // The tables and the marker for what the character page shows now.
    void update();
    // What update found, handed to the page's controls.
    void push();
    std::optional<GrowthMarker> marker() const;
    void keys(FormMessage& m);

    TFormLy& form_;
    TSkinTabSheet* sheet_ = nullptr;
    int hook_ = 0;
    TFlatLabel* name_ = nullptr;
    TFlatLabel* pinName_ = nullptr;
    TSkinButton* pinButton_ = nullptr;
    TSkinButton* unpinButton_ = nullptr;
    TSkinButton* copyButton_ = nullptr;
    GrowthLegend* legend_ = nullptr;
    GrowthChart* chart_ = nullptr;
    GrowthTableView* table_ = nullptr;

    std::optional<Shown> shown_;
    std::optional<sim::GrowthTable> current_;
    std::string error_;
    std::optional<Pinned> pinned_;
    // What push has still to hand over.
    bool tablesChanged_ = true;
    bool pending_ = true;
};

}  // namespace lymn
