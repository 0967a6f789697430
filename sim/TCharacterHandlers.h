#pragma once

#include <cstdint>

#include "sim/CharacterControls.h"
#include "sim/CharacterSheet.h"
#include "sim/CodeTables.h"

namespace lymn {
class Application;
class Control;
namespace store {
class TADOQuery;
}
}  // namespace lymn

namespace lymn::sim {

// The main window's simulation handlers: the sheet's reset when the window shows, the two
// picker handlers with the data row's loading, the level change and the four growth routines.
class TCharacterHandlers {
  public:
    void FormShow(Control& sender);
    void ImageBoxJsPropertiesChange(Control& sender);
    void ImageBoxZyPropertiesChange(Control& sender);
    void EdtRankPropertiesChange(Control& sender);
    void LoadBaseStats(store::TADOQuery& query);
    void GrowRanger();
    void GrowMage();
    void GrowWarrior();
    void GrowTalisman();

    CharacterSheet Sheet;

  protected:
    TCharacterHandlers(Application& app, store::TADOQuery& query);
    ~TCharacterHandlers() = default;
    TCharacterHandlers(const TCharacterHandlers&) = delete;
    TCharacterHandlers& operator=(const TCharacterHandlers&) = delete;

    // Set by the window once its layout is made.
    CharacterControls controls_;

  private:
    // The level edit's text as a number, converted afresh at every use.
    int32_t level() const;
    void lookup();
    void grow(ProfessionGroup group);

    Application& app_;
    store::TADOQuery& query_;
};

}  // namespace lymn::sim
