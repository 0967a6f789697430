#include "sim/TCharacterHandlers.h"

#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Application.h"
#include "platform/Integers.h"
#include "sim/GrowthRules.h"
#include "sim/LabelNumbers.h"
#include "store/TADOQuery.h"

namespace lymn::sim {

namespace {

// The texts of the level change's messages.
constexpr char kAboveLimit[] = "伙计,超过上限了.最高只能到200";
constexpr char kChooseFirst[] = "嘿,嘿.我说,你得先选择角色和职业才能升级啊.";
constexpr char kNegativeLevel[] = "等级有能负增长的么?";

}  // namespace

TCharacterHandlers::TCharacterHandlers(Application& app, store::TADOQuery& query)
    : app_(app), query_(query) {}

int32_t TCharacterHandlers::level() const {
    return strToInt(controls_.EdtRank->text());
}

void TCharacterHandlers::FormShow(Control&) {
    Sheet.reset();
}

void TCharacterHandlers::lookup() {
    store::RunQuery(query_, " select * from t_js where zy = '" + Sheet.ProfessionCode +
                                "' and js = '" + Sheet.AppearanceCode + "'");
    controls_.EdtRank->setText("1");
    LoadBaseStats(query_);
}

void TCharacterHandlers::ImageBoxJsPropertiesChange(Control&) {
    if (const AppearanceItem* item = chosenItem(AppearanceTable, controls_.ImageBoxJs->ItemIndex()))
        Sheet.AppearanceCode = std::string(item->code);
    if (Sheet.ProfessionCode != "0") lookup();
}

void TCharacterHandlers::ImageBoxZyPropertiesChange(Control&) {
    if (const ProfessionItem* item = chosenItem(ProfessionTable, controls_.ImageBoxZy->ItemIndex()))
        Sheet.ProfessionCode = std::string(item->code);
    if (Sheet.AppearanceCode != "0") lookup();
}

void TCharacterHandlers::LoadBaseStats(store::TADOQuery& query) {
    const CharacterControls& c = controls_;
    // Every use reads the row's column again.
    auto row = [&query](const char* column) { return query.fieldAsInteger(column); };
    c.EdtRank->setText("1");
    writeNumber(*c.Labll, row("ll"));
    writeNumber(*c.Labtp, row("tp"));
    writeNumber(*c.Labys, row("ys"));
    writeNumber(*c.Labjg, row("jg"));
    Sheet.LevelLl = row("ll");
    Sheet.LevelTp = row("tp");
    Sheet.LevelYs = row("ys");
    Sheet.LevelJg = row("jg");
    Sheet.BaseLl = row("ll");
    Sheet.BaseTp = row("tp");
    Sheet.BaseYs = row("ys");
    Sheet.BaseJg = row("jg");
    const ProfessionGroup group = groupOfCode(Sheet.ProfessionCode);
    Sheet.CurLife = written(*c.sm, loadedLife(group, row("tp")));
    Sheet.BaseLife = Sheet.CurLife;
    Sheet.CurMana = written(*c.fl, loadedMana(group, row("ys")));
    Sheet.BaseMana = Sheet.CurMana;
    writeNumber(*c.tl, staminaOf(row("jg")));
    Sheet.CurAttack = written(*c.gjl, int64_t{row("ll")} + 1);
    Sheet.BaseAttack = Sheet.CurAttack;
    // The damage of the row's strength, not of the attack.
    c.shl->setCaption(damageText(row("ll")));
    writeNumber(*c.fy, defenceOf(row("jg")));
}

void TCharacterHandlers::EdtRankPropertiesChange(Control&) {
    const CharacterControls& c = controls_;
    if (level() > 200) {
        app_.messageBox(kAboveLimit);
        c.EdtRank->setText("200");
        return;
    }
    if (level() >= 2 && (c.ImageBoxJs->ItemIndex() == 0 || c.ImageBoxZy->ItemIndex() == 0)) {
        app_.messageBox(kChooseFirst);
        c.EdtRank->setText("1");
        return;
    }
    if (level() < 0) {
        app_.messageBox(kNegativeLevel);
        c.EdtRank->setText("1");
        return;
    }
    if (level() > 10) {
        writeNumber(*c.sxd, int64_t{level()} - 10);
        writeNumber(*c.kxd, int64_t{level()} - 10);
    } else {
        c.sxd->setCaption("0");
        c.kxd->setCaption("0");
    }
    switch (groupOfIndex(c.ImageBoxZy->ItemIndex())) {
        case ProfessionGroup::Ranger:
            GrowRanger();
            break;
        case ProfessionGroup::Mage:
            GrowMage();
            break;
        case ProfessionGroup::Warrior:
            GrowWarrior();
            break;
        case ProfessionGroup::Talisman:
            GrowTalisman();
            break;
        case ProfessionGroup::None:
            break;
    }
}

void TCharacterHandlers::GrowRanger() {
    grow(ProfessionGroup::Ranger);
}
void TCharacterHandlers::GrowMage() {
    grow(ProfessionGroup::Mage);
}
void TCharacterHandlers::GrowWarrior() {
    grow(ProfessionGroup::Warrior);
}
void TCharacterHandlers::GrowTalisman() {
    grow(ProfessionGroup::Talisman);
}

void TCharacterHandlers::grow(ProfessionGroup group) {
    const CharacterControls& c = controls_;
    const GroupFormulas& f = formulasOf(group);
    CharacterSheet& s = Sheet;
    // The level is read afresh for every step that uses it.
    s.LevelLl = written(*c.Labll, f.strength(level(), s));
    s.LevelTp = written(*c.Labtp, f.constitution(level(), s));
    s.LevelYs = written(*c.Labys, f.spirit(level(), s));
    s.LevelJg = written(*c.Labjg, f.sinew(level(), s));
    s.CurLife = written(*c.sm, f.life(level(), s));
    s.CurMana = written(*c.fl, f.mana(level(), s));
    writeNumber(*c.tl, staminaOf(s.LevelJg));
    s.CurAttack =
        written(*c.gjl, int64_t{numberOf(*c.Labll)} + s.BaseAttack - s.BaseLl + level() - 1);
    c.shl->setCaption(damageText(s.CurAttack));
    writeNumber(*c.fy, defenceOf(s.LevelJg));
}

}  // namespace lymn::sim
