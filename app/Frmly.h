#pragma once

#include <filesystem>
#include <future>
#include <optional>
#include <string>

#include "app/BuildHistory.h"
#include "app/FileLocations.h"
#include "editors/TFlatImageList.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Form.h"
#include "points/TPointHandlers.h"
#include "sim/Build.h"
#include "sim/TCharacterHandlers.h"
#include "store/BuildStore.h"
#include "store/TADOConnection.h"
#include "store/TADOQuery.h"

namespace lymn {

class GrowthPage;
class TFlatButton;
class TFlatGroupBox;
class TFlatLabel;
class TFlatSpinButton;
class SavedBuildsPage;

// The simulator's one window: its layout, and the handlers of all its events (the simulation's
// and the point buttons' are inherited from their subsystems).
class TFormLy : public Form, public sim::TCharacterHandlers, public points::TPointHandlers {
  public:
    static constexpr int kWidth = 440;
    static constexpr int kHeight = 535;

    // Where the data file and the screenshots live.
    TFormLy(Application& app, FileLocations locations);
    // A portable folder: everything beside the program in exeFolder.
    TFormLy(Application& app, const std::filesystem::path& exeFolder);
    ~TFormLy() override;

    const FileLocations& locations() const { return locations_; }
    store::TADOConnection& ADOCon() { return adoCon_; }
    store::TADOQuery& ADOTemp() { return adoTemp_; }
    TFlatImageList& flatImageList1() { return imageList1_; }
    TFlatImageList& flatImageList2() { return imageList2_; }
    const sim::CharacterControls& controls() const { return controls_; }
    // A control of the layout by its name; raises an Error for an unknown name.
    Control& control(const std::string& name);
    template <class T>
    T& control(const std::string& name) {
        return dynamic_cast<T&>(control(name));
    }

    // Event handlers.
    void FormCreate(Control& sender);
    void BtnCloseClick(Control& sender);
    void skinButton1Click(Control& sender);
    void Image1Click(Control& sender);

    // The build the window shows; raises the conversion error while the level text is not a
    // number.
    sim::Build currentBuild() const;
    // Shows a build through the handlers a player uses (the pickers, the level, the point
    // buttons), so that the window ends as those clicks by hand leave it; a build of nothing
    // picked is the window as it was shown. One step of the undo history.
    void restoreBuild(const sim::Build& build);
    // A step back or forward through the builds the window went through (Ctrl+Z; Ctrl+Y or
    // Ctrl+Shift+Z where the level edit does not hold the keyboard); false when there is none.
    bool undo();
    bool redo();
    // The code of the build shown; nothing while the level text is not a number.
    std::optional<std::string> shownBuildCode() const;
    // A build code pasted or given at start; a code that is not one raises what is wrong with it.
    void restoreCode(std::string_view code);
    // The build a screenshot carries; a file that cannot be read, is not a picture or carries
    // no build raises a box's text.
    void openBuildFile(const std::filesystem::path& path);
    // The saved builds, in the working folder, opened at their first use; a damaged file moved
    // aside then is said in one box.
    store::BuildStore& savedBuilds();
    // The build shown saved under a name (a build of that name is replaced); a saved build
    // shown again.
    void saveBuild(const std::string& name);
    void loadBuild(const std::string& name);
    const BuildHistory& history() const { return history_; }
    // The page "成长曲线".
    GrowthPage& growthPage() { return *growthPage_; }
    // The page of the saved builds.
    SavedBuildsPage& buildsPage() { return *buildsPage_; }

    // Where the screenshot takes the time and the locale's separators from, and how the shell
    // opens the community page (tests put their own).
    std::function<clock::LocalTime()> localTime = clock::localNow;
    std::function<clock::Separators()> separators = clock::localeSeparators;
    std::function<void(const std::string&)> shellOpen;

  private:
    void CreateLayout();
    void CreateCharacterPage(Control& panel);
    void CreateAttributeGroup(TFlatGroupBox& group);
    void CreateResistanceGroup(TFlatGroupBox& group);
    void CreateNoticePage(Control& panel);
    void addLogo(Control& parent, const char* name, int x, int y);

    // Runs on the worker thread while the window is built.
    void prepareFiles();

    // A handler of the layout that may change the build, followed by the history's record.
    template <class Handler>
    std::function<void(Control&)> tracked(Handler handler) {
        return [this, handler](Control& sender) {
            (this->*handler)(sender);
            buildChanged();
        };
    }
    void buildChanged();
    void keepStartCaptions();
    void restoreStart();
    void takeBackResistances();
    // restoreBuild without the history's record.
    void showBuild(const sim::Build& build);
    void undoKeys(FormMessage& m);

    FileLocations locations_;
    store::TADOConnection adoCon_{"ADOCon"};
    store::TADOQuery adoTemp_{"ADOTemp", adoCon_};
    TFlatImageList imageList1_{32, 32};
    TFlatImageList imageList2_{32, 32};
    BuildHistory history_;
    std::unique_ptr<store::BuildStore> savedBuilds_;
    std::unique_ptr<SavedBuildsPage> buildsPage_;
    bool restoring_ = false;
    GrowthPage* growthPage_ = nullptr;
    // The number labels as the window was first shown: what a build of nothing picked shows.
    std::vector<std::pair<TFlatLabel*, std::string>> startCaptions_;
    // The data file's preparation, under way while the window is built; last, so that it has
    // ended before the connection and the folder go.
    std::future<void> preparing_;
};

// The main window, reachable by the screenshot and the program entry.
extern TFormLy* FormLy;

}  // namespace lymn
