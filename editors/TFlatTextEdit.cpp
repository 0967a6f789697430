#include "editors/TFlatTextEdit.h"

#include "platform/Application.h"

namespace lymn {

TFlatTextEdit::TFlatTextEdit(Control* parent, std::unique_ptr<TFlatCustomEditProperties> properties)
    : TFlatCustomEdit(parent, std::move(properties)) {
    setTabStop(true);
    setCursor(Cursor::IBeam);
    inner_ = &add<TFlatInnerEdit>();
    inner_->onChange = [this] { ChangeHandler(); };
    setBounds(0, 0, 121, 21);
    placeInner();
}

bool TFlatTextEdit::hasEditFocus() const {
    return focused() || inner_->focused();
}

void TFlatTextEdit::focusIn() {
    // The keyboard goes to the inner edit.
    inner_->setFocus();
}

void TFlatTextEdit::setTextMessage(const std::string& value) {
    if (settingText_) {
        // Only the outer window's own caption takes it, which is never shown or read.
        windowText_ = value;
        return;
    }
    settingText_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{settingText_};
    inner_->setText(value);
    InternalSetEditValue(EditValue(inner_->text()));
}

void TFlatTextEdit::SynchronizeDisplayValue() {
    inner_->setText(editValue().asText());
}

void TFlatTextEdit::loaded() {
    TFlatCustomEdit::loaded();
    placeInner();
}

void TFlatTextEdit::placeInner() {
    const int b = borderSize();
    inner_->setBounds(
        Rect{b + kInnerMarginX, b + 1, width() - b - kInnerMarginX, height() - b - 1});
    const ResolvedStyle s = currentStyle();
    inner_->setFont(s.font);
    inner_->textColor = s.textColor;
    inner_->background = s.color;
}

void TFlatTextEdit::adjustSize() {
    if (!autoSize()) {
        placeInner();
        return;
    }
    Application* app = application();
    if (!app) return;
    const int line = app->fonts().metrics(currentStyle().font).height();
    setHeight(2 * borderSize() + line + 2 * kInnerMarginY);
    placeInner();
}

}  // namespace lymn
