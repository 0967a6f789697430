#include "app/Frmly.h"

#include "app/LayoutPictures.h"
#include "app/SavedBuildsPage.h"
#include "capture/JpegCodec.h"
#include "capture/ScreenshotName.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "store/DataFileSeed.h"
#include "store/DataFileStartup.h"

namespace lymn {

TFormLy* FormLy = nullptr;

TFormLy::TFormLy(Application& app, const std::filesystem::path& exeFolder)
    : TFormLy(app, FileLocations::portable(exeFolder)) {}

TFormLy::TFormLy(Application& app, FileLocations locations)
    : Form(app, WindowKind::Main),
      TCharacterHandlers(app, adoTemp_),
      TPointHandlers(controls_, Sheet),
      locations_(std::move(locations)) {
    setName("FormLy");
    // Preparing the data file waits mostly on the disk, so it runs while the window is built;
    // only the creation event follows it, and the event takes its outcome.
    preparing_ = std::async(std::launch::async, [this] { prepareFiles(); });
    setLoading(true);
    CreateLayout();
    // Both codes are empty texts until the window is shown.
    Sheet.ProfessionCode.clear();
    Sheet.AppearanceCode.clear();
    finishLoading();
    setCenterOnFirstShow(true);
    setFocusFirstOnShow(true);
    window().setIcon(programIcon());
    shellOpen = [](const std::string& address) { shell::open(address); };
    onCreate = [this](Form& f) { FormCreate(f); };
    onShow = [this](Form& f) {
        FormShow(f);
        keepStartCaptions();
    };
    addHook([this](FormMessage& m) { undoKeys(m); });
    onDropFile = [this](const std::string& path) {
        application().guarded([this, &path] { openBuildFile(path); });
    };
}

TFormLy::~TFormLy() {
    if (FormLy == this) FormLy = nullptr;
}

Control& TFormLy::control(const std::string& name) {
    Control* c = findChild(name);
    if (!c) throw Error("Control '" + name + "' not found");
    return *c;
}

void TFormLy::prepareFiles() {
    // An installed program's folder is made and given its data first; when that fails, the
    // start-up sequence has nothing to work on and says nothing more.
    if (locations_.installed())
        store::SeedWorkFolder(locations_.shippedData, locations_.workFolder);
    store::PrepareDataFile(adoCon_, locations_.workFolder);
}

void TFormLy::FormCreate(Control&) {
    // A second creation event prepares the file again, as the first did.
    if (preparing_.valid())
        preparing_.get();
    else
        prepareFiles();
}

void TFormLy::BtnCloseClick(Control&) {
    close();
}

void TFormLy::Image1Click(Control&) {
    // A shell that cannot open the page reports nothing; the click has no visible effect.
    if (shellOpen) shellOpen(kCommunityAddress);
}

void TFormLy::skinButton1Click(Control&) {
    Control& pan = control("Pan");
    pan.setVisible(true);
    application().processMessages();
    const std::string name = screenshotFileName(localTime(), separators());
    // The folder is made where the file goes (beside the program, or in the pictures folder,
    // which may be missing as well).
    const std::filesystem::path& folder = locations_.screenFolder;
    files::createDirectories(folder);
    Form& window = FormLy ? static_cast<Form&>(*FormLy) : static_cast<Form&>(*this);
    window.present();
    const Bitmap picture = window.frame();
    const std::filesystem::path path = folder / name;
    try {
        // The picture carries the build it shows, for a friend's simulator to open.
        jpeg::save(picture, path, shownBuildCode().value_or(""));
    } catch (...) {
        // The logo is not left showing after a failed save.
        pan.setVisible(false);
        throw;
    }
    pan.setVisible(false);
    application().messageBox("截图成功，图片保存在：" + path.string());
}

}  // namespace lymn
