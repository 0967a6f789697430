#pragma once

#include <functional>
#include <memory>
#include <string>

#include "editors/EditValue.h"
#include "editors/TFlatContainer.h"

namespace lymn {

// The settings object of an edit: its events and read-only flag, and whether the kind of edit
// shows its value as a text of its own, which decides where the change notification runs.
class TFlatCustomEditProperties {
  public:
    explicit TFlatCustomEditProperties(bool hasDisplayValue) : hasDisplayValue_(hasDisplayValue) {}
    virtual ~TFlatCustomEditProperties() = default;

    bool HasDisplayValue() const { return hasDisplayValue_; }

    std::function<void(Control&)> OnChange;
    std::function<void(Control&)> OnEditValueChanged;
    bool ReadOnly = false;

  private:
    bool hasDisplayValue_;
};

// Holds back the change events while locked.
struct TFlatEditChangeEventsCatcher {
    int LockCount = 0;
    bool PendingChange = false;
    bool PendingEditValueChanged = false;
};

// An edit: its value, its settings object and the change-notification machinery.
class TFlatCustomEdit : public TFlatContainer {
  public:
    TFlatCustomEdit(Control* parent, std::unique_ptr<TFlatCustomEditProperties> properties);
    ~TFlatCustomEdit() override;

    TFlatCustomEditProperties& properties() { return *properties_; }
    const TFlatCustomEditProperties& properties() const { return *properties_; }
    const EditValue& editValue() const { return editValue_; }
    // A program assignment of the value.
    void SetEditValue(const EditValue& value);
    void LockChangeEvents(bool lock, bool fire = true);
    const TFlatEditChangeEventsCatcher& changeEventsCatcher() const { return catcher_; }

    bool Modified = false;
    bool ModifiedAfterEnter = false;
    bool isUserAction() const { return userAction_ > 0; }
    bool isLoading() const;

    // The control's text, through the platform's text messages: setting a text equal to the
    // current one does nothing; a different one is sent, then the text-changed notification.
    virtual std::string text() const { return windowText_; }
    void setText(const std::string& value);

    void loaded() override;

  protected:
    void InternalSetEditValue(const EditValue& value);
    // The kind-specific refresh of what the control shows after a new value.
    virtual void SynchronizeDisplayValue() {}
    void DoChange();
    void DoEditValueChanged();
    void DoOnChange();
    void DoOnEditValueChanged();
    // The inner control reports that its text changed.
    void ChangeHandler();
    // The check before a user change is applied.
    virtual bool DoEditing();
    // The kind-specific part of the end of loading (refreshing the shown value).
    virtual void LoadedProperties() { SynchronizeDisplayValue(); }
    // What the text messages do in this control.
    virtual void setTextMessage(const std::string& value) { windowText_ = value; }
    virtual void textChanged() {}
    void markDestroying() { destroying_ = true; }

    // Holds the change events back while it lives. release() ends it and delivers what was held
    // back (the handlers may raise errors); ended by an error instead, it drops them.
    class ChangeEventsLock {
      public:
        explicit ChangeEventsLock(TFlatCustomEdit& e) : e_(e) { e_.LockChangeEvents(true); }
        ~ChangeEventsLock() {
            if (held_) e_.LockChangeEvents(false, false);
        }
        void release() {
            held_ = false;
            e_.LockChangeEvents(false, true);
        }
        ChangeEventsLock(const ChangeEventsLock&) = delete;
        ChangeEventsLock& operator=(const ChangeEventsLock&) = delete;

      private:
        TFlatCustomEdit& e_;
        bool held_ = true;
    };

    // Marks a change the user started while it is applied.
    class UserAction {
      public:
        explicit UserAction(TFlatCustomEdit& e) : e_(e) { ++e_.userAction_; }
        ~UserAction() { --e_.userAction_; }
        UserAction(const UserAction&) = delete;
        UserAction& operator=(const UserAction&) = delete;

      private:
        TFlatCustomEdit& e_;
    };

    std::string windowText_;

  private:
    std::unique_ptr<TFlatCustomEditProperties> properties_;
    EditValue editValue_;
    TFlatEditChangeEventsCatcher catcher_;
    int userAction_ = 0;
    bool destroying_ = false;
};

}  // namespace lymn
