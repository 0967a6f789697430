#include "app/Frmly.h"

#include "platform/Error.h"
#include "store/DataFileStartup.h"

namespace lymn {

TFormLy* FormLy = nullptr;

TFormLy::TFormLy(Application& app, std::filesystem::path exeFolder)
    : Form(app, WindowKind::Main),
      TCharacterHandlers(app, adoTemp_),
      TPointHandlers(controls_, Sheet),
      exeFolder_(std::move(exeFolder)) {
    setName("FormLy");
    setLoading(true);
    CreateLayout();
    // Both codes are empty texts until the window is shown.
    Sheet.ProfessionCode.clear();
    Sheet.AppearanceCode.clear();
    finishLoading();
    setCenterOnFirstShow(true);
    onCreate = [this](Form& f) { FormCreate(f); };
    onShow = [this](Form& f) { FormShow(f); };
}

TFormLy::~TFormLy() {
    if (FormLy == this) FormLy = nullptr;
}

Control& TFormLy::control(const std::string& name) {
    Control* c = findChild(name);
    if (!c) throw Error("Control '" + name + "' not found");
    return *c;
}

void TFormLy::FormCreate(Control&) { store::PrepareDataFile(adoCon_, exeFolder_); }

void TFormLy::BtnCloseClick(Control&) { close(); }

}  // namespace lymn
