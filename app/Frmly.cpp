#include "app/Frmly.h"

#include "store/DataFileStartup.h"

namespace lymn {

TFormLy* FormLy = nullptr;

TFormLy::TFormLy(Application& app, std::filesystem::path exeFolder)
    : Form(app, WindowKind::Main), exeFolder_(std::move(exeFolder)) {
    setName("FormLy");
    setLoading(true);
    setCaption("岚渊角色模拟器 beta0.1");
    setFont({"MS Sans Serif", 11, false, sysColor(SysColor::WindowText)});
    setColor(sysColor(SysColor::ButtonFace));
    setMinimumSize({130, 50});
    setSize(kWidth, kHeight);
    setLoading(false);
    onCreate = [this](Form& f) { FormCreate(f); };
    setCenterOnFirstShow(true);
    onShow = [this](Form& f) { FormShow(f); };
}

TFormLy::~TFormLy() {
    if (FormLy == this) FormLy = nullptr;
}

void TFormLy::FormCreate(Control&) { store::PrepareDataFile(adoCon_, exeFolder_); }

void TFormLy::FormShow(Control&) {}

void TFormLy::BtnCloseClick(Control&) { close(); }

}  // namespace lymn
