#pragma once

#include "sim/CharacterControls.h"
#include "sim/CharacterSheet.h"

namespace lymn {
class Control;
class TFlatLabel;
}  // namespace lymn

namespace lymn::points {

// The sixteen point buttons: the upper one of each pair spends a free point, the lower one takes
// it back. Attribute points move between sxd and the four attributes (never below the sheet's
// floors), with the derived values following; resistance points between kxd and the four
// resistances (never below 0).
class TPointHandlers {
  public:
    void laClick(Control& sender);
    void ldClick(Control& sender);
    void taClick(Control& sender);
    void tdClick(Control& sender);
    void yaClick(Control& sender);
    void ydClick(Control& sender);
    void jaClick(Control& sender);
    void jdClick(Control& sender);
    void daClick(Control& sender);
    void ddClick(Control& sender);
    void maClick(Control& sender);
    void mdClick(Control& sender);
    void lsaClick(Control& sender);
    void lsdClick(Control& sender);
    void xaClick(Control& sender);
    void xdClick(Control& sender);

  protected:
    TPointHandlers(const sim::CharacterControls& controls, const sim::CharacterSheet& sheet)
        : pointControls_(controls), pointSheet_(sheet) {}
    ~TPointHandlers() = default;
    TPointHandlers(const TPointHandlers&) = delete;
    TPointHandlers& operator=(const TPointHandlers&) = delete;

  private:
    void resistanceUp(TFlatLabel& resistance);
    void resistanceDown(TFlatLabel& resistance);

    const sim::CharacterControls& pointControls_;
    const sim::CharacterSheet& pointSheet_;
};

}  // namespace lymn::points
