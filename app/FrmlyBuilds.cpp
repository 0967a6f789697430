// The main window's builds: reading the one shown, showing another through the handlers a player
// uses, and the undo history.
#include <algorithm>
#include <string>

#include "app/Frmly.h"
#include "app/GrowthPage.h"
#include "capture/JpegCodec.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Integers.h"
#include "sim/BuildCode.h"
#include "sim/CodeTables.h"
#include "sim/LabelNumbers.h"

namespace lymn {

namespace {

// Undoing and redoing stays a step when it does: restoring records nothing on the way.
class Restoring {
  public:
    explicit Restoring(bool& flag) : flag_(flag) { flag_ = true; }
    ~Restoring() { flag_ = false; }
    Restoring(const Restoring&) = delete;
    Restoring& operator=(const Restoring&) = delete;

  private:
    bool& flag_;
};

}  // namespace

sim::Build TFormLy::currentBuild() const {
    const sim::CharacterControls& c = controls_;
    sim::Build b;
    if (const auto* item = sim::chosenItem(sim::AppearanceTable, c.ImageBoxJs->ItemIndex()))
        b.appearance = std::string(item->code);
    b.profession = "0";
    if (const auto* item = sim::chosenItem(sim::ProfessionTable, c.ImageBoxZy->ItemIndex()))
        b.profession = std::string(item->code);
    b.level = strToInt(c.EdtRank->text());
    b.attributes = {
        sim::numberOf(*c.Labll) - Sheet.LevelLl, sim::numberOf(*c.Labtp) - Sheet.LevelTp,
        sim::numberOf(*c.Labys) - Sheet.LevelYs, sim::numberOf(*c.Labjg) - Sheet.LevelJg};
    b.resistances = {sim::numberOf(*c.Labds), sim::numberOf(*c.Labmh), sim::numberOf(*c.Labls),
                     sim::numberOf(*c.Labxr)};
    // A level typed after resistance points were spent gives the whole pool again and keeps
    // them: the build counts no more of them than its level gives, so that its code reads back.
    int left = sim::Build::pointsOfLevel(b.level);
    for (int& r : b.resistances) {
        r = std::clamp(r, 0, left);
        left -= r;
    }
    return b;
}

void TFormLy::restoreBuild(const sim::Build& b) {
    showBuild(b);
    buildChanged();
}

void TFormLy::showBuild(const sim::Build& b) {
    {
        Restoring restoring(restoring_);
        const sim::CharacterControls& c = controls_;
        // A code no picker has is no pick.
        const int appearance = std::max(0, sim::itemIndexOf(sim::AppearanceTable, b.appearance));
        const int profession = std::max(0, sim::itemIndexOf(sim::ProfessionTable, b.profession));
        if (appearance == 0 || profession == 0) {
            // A pick or none at level 1: the window as it was shown, and the one pick.
            restoreStart();
            if (appearance != 0) c.ImageBoxJs->pick(appearance);
            if (profession != 0) c.ImageBoxZy->pick(profession);
        } else {
            // The resistance points taken back with their buttons, and level 1: the level change
            // that follows recomputes the character from the data row, which takes back the
            // attribute points (but leaves resistances as they are).
            takeBackResistances();
            c.EdtRank->setText("1");
            c.ImageBoxJs->pick(appearance);
            c.ImageBoxZy->pick(profession);
            c.EdtRank->setText(std::to_string(b.level));
            using Click = void (points::TPointHandlers::*)(Control&);
            const Click attributeUp[4] = {&TFormLy::laClick, &TFormLy::taClick, &TFormLy::yaClick,
                                          &TFormLy::jaClick};
            const Click resistanceUp[4] = {&TFormLy::daClick, &TFormLy::maClick, &TFormLy::lsaClick,
                                           &TFormLy::xaClick};
            for (size_t i = 0; i < 4; ++i) {
                for (int n = 0; n < b.attributes[i]; ++n) (this->*attributeUp[i])(*this);
                for (int n = 0; n < b.resistances[i]; ++n) (this->*resistanceUp[i])(*this);
            }
        }
    }
}

std::optional<std::string> TFormLy::shownBuildCode() const {
    // Level 0 and texts that are no level (while the player types) are no build.
    const std::string& level = controls_.EdtRank->text();
    if (level.empty() || level.size() > 3 ||
        level.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int n = std::stoi(level);
    if (n < 1 || n > 200) return std::nullopt;
    return sim::BuildCode::encode(currentBuild());
}

void TFormLy::restoreCode(std::string_view code) {
    restoreBuild(sim::BuildCode::decode(code));
}

void TFormLy::openBuildFile(const std::filesystem::path& path) {
    const auto bytes = files::readAll(path);
    if (!bytes) throw Error("Cannot open file " + path.string());
    std::optional<std::string> code;
    try {
        code = jpeg::buildCode(*bytes);
    } catch (const Error&) {
        throw Error("这个文件不是截图: " + path.string());
    }
    if (!code) throw Error("这张截图里没有方案: " + path.string());
    restoreCode(*code);
}

store::BuildStore& TFormLy::savedBuilds() {
    if (!savedBuilds_) {
        savedBuilds_ = std::make_unique<store::BuildStore>(locations_.workFolder);
        if (const auto& moved = savedBuilds_->movedAside())
            application().messageBox("方案库坏了,另起了一个新的.旧的挪到了:" + moved->string());
    }
    return *savedBuilds_;
}

void TFormLy::saveBuild(const std::string& name) {
    const std::optional<std::string> code = shownBuildCode();
    if (!code) throw Error("伙计,等级得是1到200才能存方案.");
    savedBuilds().save(name, *code);
}

void TFormLy::loadBuild(const std::string& name) {
    const auto saved = savedBuilds().find(name);
    if (!saved) throw Error("伙计,没有叫\"" + name + "\"的方案.");
    restoreCode(saved->code);
}

void TFormLy::takeBackResistances() {
    const sim::CharacterControls& c = controls_;
    using Click = void (points::TPointHandlers::*)(Control&);
    const std::pair<TFlatLabel*, Click> downs[4] = {{c.Labds, &TFormLy::ddClick},
                                                    {c.Labmh, &TFormLy::mdClick},
                                                    {c.Labls, &TFormLy::lsdClick},
                                                    {c.Labxr, &TFormLy::xdClick}};
    for (const auto& [label, down] : downs)
        for (int32_t n = sim::numberOf(*label); n > 0; --n) (this->*down)(*this);
}

void TFormLy::restoreStart() {
    // As the window was shown: nothing picked, level 1, the labels' first captions.
    const sim::CharacterControls& c = controls_;
    FormShow(*this);
    c.ImageBoxJs->pick(0);
    c.ImageBoxZy->pick(0);
    c.EdtRank->setText("1");
    for (auto& [label, caption] : startCaptions_) label->setCaption(caption);
}

void TFormLy::keepStartCaptions() {
    const sim::CharacterControls& c = controls_;
    startCaptions_.clear();
    for (TFlatLabel* l : {c.Labll, c.Labtp, c.Labys, c.Labjg, c.sxd, c.kxd, c.Labds, c.Labmh,
                          c.Labls, c.Labxr, c.sm, c.fl, c.sq, c.tl, c.gjl, c.shl, c.fy, c.fsxg})
        startCaptions_.emplace_back(l, l->caption());
    history_.record(currentBuild());
}

void TFormLy::buildChanged() {
    if (restoring_) return;
    history_.record(currentBuild());
    if (growthPage_) growthPage_->refresh();
}

// The history's own step is shown and stays where the history is, also where the window cannot
// show it exactly (points it could not spend).
bool TFormLy::undo() {
    const auto b = history_.undo();
    if (b) showBuild(*b);
    if (growthPage_) growthPage_->refresh();
    return b.has_value();
}

bool TFormLy::redo() {
    const auto b = history_.redo();
    if (b) showBuild(*b);
    if (growthPage_) growthPage_->refresh();
    return b.has_value();
}

void TFormLy::undoKeys(FormMessage& m) {
    if (m.kind != FormMessage::Kind::KeyDown || !(m.key.mods & mods::Ctrl)) return;
    // The level edit keeps Ctrl+Z for its own text.
    if (focusedControl() == &controls_.EdtRank->innerEdit()) return;
    const bool shift = (m.key.mods & mods::Shift) != 0;
    if (m.key.key == Key('z') && !shift) {
        undo();
        m.handled = true;
    } else if (m.key.key == Key('y') || (m.key.key == Key('z') && shift)) {
        redo();
        m.handled = true;
    }
}

}  // namespace lymn
