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

TCharacterHandlers::TCharacterHandlers(Application& app, store::TADOQuery& query)
    : app_(app), query_(query) {}

int32_t TCharacterHandlers::level() const {
    return strToInt(controls_.EdtRank->text());
}

void TCharacterHandlers::FormShow(Control&) {
    Sheet.reset();
}

std::string TCharacterHandlers::queryText(const std::string& professionCode,
                                          const std::string& appearanceCode) {
    return " select * from t_js where zy = '" + professionCode + "' and js = '" + appearanceCode +
           "'";
}

void TCharacterHandlers::lookup() {
    store::RunQuery(query_, queryText(Sheet.ProfessionCode, Sheet.AppearanceCode));
    controls_.EdtRank->setText("1");
    LoadBaseStats(query_);
}

void TCharacterHandlers::ImageBoxJsPropertiesChange(Control&) {
    const int i = controls_.ImageBoxJs->ItemIndex();
    if (i >= 1 && i < static_cast<int>(AppearanceTable.size()))
        Sheet.AppearanceCode = std::string(AppearanceTable[static_cast<size_t>(i)].code);
    if (Sheet.ProfessionCode != "0") lookup();
}

void TCharacterHandlers::ImageBoxZyPropertiesChange(Control&) {
    const int i = controls_.ImageBoxZy->ItemIndex();
    if (i >= 1 && i < static_cast<int>(ProfessionTable.size()))
        Sheet.ProfessionCode = std::string(ProfessionTable[static_cast<size_t>(i)].code);
    if (Sheet.AppearanceCode != "0") lookup();
}

void TCharacterHandlers::LoadBaseStats(store::TADOQuery& query) {
    const CharacterControls& c = controls_;
    auto row = [&query](const char* column) -> int64_t { return query.fieldAsInteger(column); };
    c.EdtRank->setText("1");
    writeNumber(*c.Labll, row("ll"));
    writeNumber(*c.Labtp, row("tp"));
    writeNumber(*c.Labys, row("ys"));
    writeNumber(*c.Labjg, row("jg"));
    Sheet.LevelLl = static_cast<int32_t>(row("ll"));
    Sheet.LevelTp = static_cast<int32_t>(row("tp"));
    Sheet.LevelYs = static_cast<int32_t>(row("ys"));
    Sheet.LevelJg = static_cast<int32_t>(row("jg"));
    Sheet.BaseLl = static_cast<int32_t>(row("ll"));
    Sheet.BaseTp = static_cast<int32_t>(row("tp"));
    Sheet.BaseYs = static_cast<int32_t>(row("ys"));
    Sheet.BaseJg = static_cast<int32_t>(row("jg"));
    const std::string& zy = Sheet.ProfessionCode;
    writeNumber(*c.sm, (zy == "yj" || zy == "qm") ? row("tp") * 10 + 10 : row("tp") * 10);
    Sheet.CurLife = numberOf(*c.sm);
    Sheet.BaseLife = Sheet.CurLife;
    if (zy == "zd" || zy == "kh")
        writeNumber(*c.fl, row("ys") * 10 + 10);
    else if (zy == "jg" || zy == "lc")
        writeNumber(*c.fl, 0);
    else
        writeNumber(*c.fl, row("ys") * 10);
    Sheet.CurMana = numberOf(*c.fl);
    Sheet.BaseMana = Sheet.CurMana;
    writeNumber(*c.tl, row("jg") / 2 + 100);
    writeNumber(*c.gjl, row("ll") + 1);
    Sheet.CurAttack = numberOf(*c.gjl);
    Sheet.BaseAttack = Sheet.CurAttack;
    // The damage of the row's strength, not of the attack.
    c.shl->setCaption(damageText(row("ll")));
    writeNumber(*c.fy, row("jg") * 2);
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
    const int zy = c.ImageBoxZy->ItemIndex();
    if (zy == 5 || zy == 6) GrowRanger();
    if (zy == 3 || zy == 4) GrowMage();
    if (zy == 1 || zy == 2) GrowWarrior();
    if (zy == 7 || zy == 8) GrowTalisman();
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

void TCharacterHandlers::grow(ProfessionGroup g) {
    const CharacterControls& c = controls_;
    const CharacterSheet& s = Sheet;
    using G = ProfessionGroup;
    // 1 to 4: the attributes.
    int64_t L = level();
    switch (g) {
        case G::Ranger:
            writeNumber(*c.Labll, L <= 9 ? L + s.BaseLl - 1 : L + s.BaseLl);
            break;
        case G::Mage:
            writeNumber(*c.Labll, MageLl(L, s));
            break;
        case G::Warrior:
            writeNumber(*c.Labll, WarriorLl(L, s));
            break;
        default:
            writeNumber(*c.Labll, TalismanLl(L, s));
            break;
    }
    Sheet.LevelLl = numberOf(*c.Labll);
    L = level();
    switch (g) {
        case G::Ranger:
            writeNumber(*c.Labtp, RangerTp(L, s));
            break;
        case G::Warrior:
            writeNumber(*c.Labtp, L <= 3 ? L + s.BaseTp - 1 : L + s.BaseTp);
            break;
        default:
            writeNumber(*c.Labtp, MageTp(L, s));
            break;
    }
    Sheet.LevelTp = numberOf(*c.Labtp);
    L = level();
    switch (g) {
        case G::Ranger:
            writeNumber(*c.Labys, RangerYs(L, s));
            break;
        case G::Mage:
            writeNumber(*c.Labys, L <= 3 ? L + s.BaseYs - 1 : L + s.BaseYs);
            break;
        case G::Warrior:
            writeNumber(*c.Labys, s.BaseYs);
            break;
        default:
            writeNumber(*c.Labys, L <= 5 ? L + s.BaseYs - 1 : L + s.BaseYs);
            break;
    }
    Sheet.LevelYs = numberOf(*c.Labys);
    L = level();
    switch (g) {
        case G::Ranger:
            writeNumber(*c.Labjg, s.BaseJg + L / 2);
            break;
        case G::Mage:
            writeNumber(*c.Labjg, MageJg(L, s));
            break;
        case G::Warrior:
            writeNumber(*c.Labjg, WarriorJg(L, s));
            break;
        default:
            writeNumber(*c.Labjg, TalismanJg(L, s));
            break;
    }
    Sheet.LevelJg = numberOf(*c.Labjg);
    // 5 and 6: life and mana, with the points the constitution and spirit grew by.
    L = level();
    const int64_t tpGain = 10 * (int64_t{s.LevelTp} - s.BaseTp);
    switch (g) {
        case G::Ranger:
            writeNumber(*c.sm, RangerLife(L, s) + tpGain);
            break;
        case G::Mage:
            writeNumber(*c.sm, MageLife(L, s) + tpGain);
            break;
        case G::Warrior:
            writeNumber(*c.sm,
                        L <= 20 ? s.BaseLife + 8 * L + tpGain : s.BaseLife + 6 * L + 40 + tpGain);
            break;
        default:
            writeNumber(*c.sm, TalismanLife(L, s) + tpGain);
            break;
    }
    Sheet.CurLife = numberOf(*c.sm);
    L = level();
    const int64_t ysGain = 10 * (int64_t{s.LevelYs} - s.BaseYs);
    switch (g) {
        case G::Ranger:
            writeNumber(*c.fl, s.BaseMana + 2 * L - 2 + ysGain);
            break;
        case G::Warrior:
            writeNumber(*c.fl, 0);
            break;
        default:
            writeNumber(*c.fl, s.BaseMana + 11 * L - 11 + ysGain);
            break;
    }
    Sheet.CurMana = numberOf(*c.fl);
    // 7 to 10: stamina, attack, damage, defence.
    writeNumber(*c.tl, s.LevelJg / 2 + 100);
    L = level();
    writeNumber(*c.gjl, int64_t{numberOf(*c.Labll)} + s.BaseAttack - s.BaseLl + L - 1);
    Sheet.CurAttack = numberOf(*c.gjl);
    c.shl->setCaption(damageText(s.CurAttack));
    writeNumber(*c.fy, 2 * int64_t{s.LevelJg});
}

}  // namespace lymn::sim
