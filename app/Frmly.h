#pragma once

#include <filesystem>

#include "platform/Application.h"
#include "platform/Form.h"
#include "store/TADOConnection.h"
#include "store/TADOQuery.h"

namespace lymn {

// The simulator's one window.
class TFormLy : public Form {
public:
    static constexpr int kWidth = 440;
    static constexpr int kHeight = 535;

    // exeFolder: where the data file and the screenshot folder live.
    TFormLy(Application& app, std::filesystem::path exeFolder);
    ~TFormLy() override;

    const std::filesystem::path& exeFolder() const { return exeFolder_; }
    store::TADOConnection& ADOCon() { return adoCon_; }
    store::TADOQuery& ADOTemp() { return adoTemp_; }

    // Event handlers.
    void FormCreate(Control& sender);
    void FormShow(Control& sender);
    void BtnCloseClick(Control& sender);

private:
    std::filesystem::path exeFolder_;
    store::TADOConnection adoCon_{"ADOCon"};
    store::TADOQuery adoTemp_{"ADOTemp", adoCon_};
};

// The main window, reachable by the screenshot and the program entry.
extern TFormLy* FormLy;

}  // namespace lymn
