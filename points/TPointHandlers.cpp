#include "points/TPointHandlers.h"

#include "editors/TFlatLabel.h"
#include "sim/GrowthRules.h"
#include "sim/LabelNumbers.h"

namespace lymn::points {

using sim::addToNumber;
using sim::numberOf;

// A point spent or taken back moves life, mana and defence by what one point gives.
constexpr int64_t kOnePoint = 1;

void TPointHandlers::laClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.sxd) <= 0) return;
    addToNumber(*c.Labll, 1);
    addToNumber(*c.gjl, 1);
    c.shl->setCaption(sim::damageText(numberOf(*c.gjl)));
    addToNumber(*c.sxd, -1);
}

void TPointHandlers::ldClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.Labll) <= pointSheet_.LevelLl) return;
    addToNumber(*c.Labll, -1);
    addToNumber(*c.gjl, -1);
    c.shl->setCaption(sim::damageText(numberOf(*c.gjl)));
    addToNumber(*c.sxd, 1);
}

void TPointHandlers::taClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.sxd) <= 0) return;
    addToNumber(*c.Labtp, 1);
    addToNumber(*c.sm, sim::lifeOf(kOnePoint));
    addToNumber(*c.sxd, -1);
}

void TPointHandlers::tdClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.Labtp) <= pointSheet_.LevelTp) return;
    addToNumber(*c.Labtp, -1);
    addToNumber(*c.sm, -sim::lifeOf(kOnePoint));
    addToNumber(*c.sxd, 1);
}

void TPointHandlers::yaClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.sxd) <= 0) return;
    addToNumber(*c.Labys, 1);
    addToNumber(*c.fl, sim::manaOf(kOnePoint));
    addToNumber(*c.sxd, -1);
}

void TPointHandlers::ydClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.Labys) <= pointSheet_.LevelYs) return;
    addToNumber(*c.Labys, -1);
    addToNumber(*c.fl, -sim::manaOf(kOnePoint));
    addToNumber(*c.sxd, 1);
}

void TPointHandlers::jaClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.sxd) <= 0) return;
    addToNumber(*c.Labjg, 1);
    addToNumber(*c.fy, sim::defenceOf(kOnePoint));
    addToNumber(*c.sxd, -1);
    sim::writeNumber(*c.tl, sim::staminaOf(numberOf(*c.Labjg)));
}

void TPointHandlers::jdClick(Control&) {
    const auto& c = pointControls_;
    if (numberOf(*c.Labjg) <= pointSheet_.LevelJg) return;
    addToNumber(*c.Labjg, -1);
    addToNumber(*c.fy, -sim::defenceOf(kOnePoint));
    sim::writeNumber(*c.tl, sim::staminaOf(numberOf(*c.Labjg)));
    addToNumber(*c.sxd, 1);
}

void TPointHandlers::resistanceUp(TFlatLabel& resistance) {
    if (numberOf(*pointControls_.kxd) <= 0) return;
    addToNumber(resistance, 1);
    addToNumber(*pointControls_.kxd, -1);
}

void TPointHandlers::resistanceDown(TFlatLabel& resistance) {
    if (numberOf(resistance) <= 0) return;
    addToNumber(resistance, -1);
    addToNumber(*pointControls_.kxd, 1);
}

void TPointHandlers::daClick(Control&) {
    resistanceUp(*pointControls_.Labds);
}
void TPointHandlers::ddClick(Control&) {
    resistanceDown(*pointControls_.Labds);
}
void TPointHandlers::maClick(Control&) {
    resistanceUp(*pointControls_.Labmh);
}
void TPointHandlers::mdClick(Control&) {
    resistanceDown(*pointControls_.Labmh);
}
void TPointHandlers::lsaClick(Control&) {
    resistanceUp(*pointControls_.Labls);
}
void TPointHandlers::lsdClick(Control&) {
    resistanceDown(*pointControls_.Labls);
}
void TPointHandlers::xaClick(Control&) {
    resistanceUp(*pointControls_.Labxr);
}
void TPointHandlers::xdClick(Control&) {
    resistanceDown(*pointControls_.Labxr);
}

}  // namespace lymn::points
