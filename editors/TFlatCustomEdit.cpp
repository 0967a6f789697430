#include "editors/TFlatCustomEdit.h"

#include "platform/Form.h"

namespace lymn {

TFlatCustomEdit::TFlatCustomEdit(Control* parent,
                                 std::unique_ptr<TFlatCustomEditProperties> properties)
    : TFlatContainer(parent), properties_(std::move(properties)) {}

TFlatCustomEdit::~TFlatCustomEdit() {
    destroying_ = true;
}

bool TFlatCustomEdit::isLoading() const {
    const Form* f = form();
    return f && f->loading();
}

void TFlatCustomEdit::SetEditValue(const EditValue& value) {
    InternalSetEditValue(value);
}

void TFlatCustomEdit::InternalSetEditValue(const EditValue& value) {
    if (isUserAction() && !DoEditing()) return;
    const bool changed = !exactlyEqual(value, editValue_);
    editValue_ = value;
    SynchronizeDisplayValue();
    Modified = ModifiedAfterEnter = isUserAction();
    if (changed) {
        DoEditValueChanged();
        if (!properties_->HasDisplayValue()) DoChange();
    }
}

void TFlatCustomEdit::DoChange() {
    if (isLoading() || destroying_) return;
    if (!properties_->OnChange) return;
    if (catcher_.LockCount > 0)
        catcher_.PendingChange = true;
    else
        DoOnChange();
}

void TFlatCustomEdit::DoEditValueChanged() {
    if (isLoading() || destroying_) return;
    if (!properties_->OnEditValueChanged) return;
    if (catcher_.LockCount > 0)
        catcher_.PendingEditValueChanged = true;
    else
        DoOnEditValueChanged();
}

void TFlatCustomEdit::DoOnChange() {
    if (properties_->OnChange) properties_->OnChange(*this);
}

void TFlatCustomEdit::DoOnEditValueChanged() {
    if (properties_->OnEditValueChanged) properties_->OnEditValueChanged(*this);
}

void TFlatCustomEdit::LockChangeEvents(bool lock, bool fire) {
    if (lock) {
        if (catcher_.LockCount == 0)
            catcher_.PendingChange = catcher_.PendingEditValueChanged = false;
        ++catcher_.LockCount;
        return;
    }
    if (catcher_.LockCount > 0) --catcher_.LockCount;
    if (catcher_.LockCount > 0 || !fire || isLoading() || destroying_) return;
    if (catcher_.PendingChange && properties_->OnChange) {
        catcher_.PendingChange = false;
        DoOnChange();
    }
    if (catcher_.PendingEditValueChanged && properties_->OnEditValueChanged) {
        catcher_.PendingEditValueChanged = false;
        DoOnEditValueChanged();
    }
}

void TFlatCustomEdit::ChangeHandler() {
    ChangeEventsLock lock(*this);
    if (hasEditFocus()) Modified = ModifiedAfterEnter = true;
    DoChange();
    // The notification runs here, with the lock count back at 0.
    lock.release();
}

bool TFlatCustomEdit::DoEditing() {
    return !properties_->ReadOnly;
}

void TFlatCustomEdit::setText(const std::string& value) {
    if (text() == value) return;
    setTextMessage(value);
    textChanged();
}

void TFlatCustomEdit::loaded() {
    // What the end of loading changes raises nothing, now or later.
    const ChangeEventsLock lock(*this);
    styleChanged();
    LoadedProperties();
}

}  // namespace lymn
