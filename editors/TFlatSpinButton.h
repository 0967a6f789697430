#pragma once

#include <cstdint>
#include <optional>

#include "editors/TFlatCustomEdit.h"
#include "editors/TFlatTextEdit.h"
#include "platform/ButtonBehavior.h"
#include "platform/Connection.h"

namespace lymn {

class TFlatSpinButtonProperties : public TFlatCustomEditProperties {
  public:
    TFlatSpinButtonProperties() : TFlatCustomEditProperties(true) {}
    void setMinValue(double v) { minValue_ = v; }
    void setMaxValue(double v) { maxValue_ = v; }
    double MinValue() const { return minValue_.value_or(0); }
    double MaxValue() const { return maxValue_.value_or(0); }
    // A bound counts when only that one was set, or, with both or neither set, when the maximum
    // is above the minimum.
    bool minDefined() const;
    bool maxDefined() const;

    double Increment = 1;
    double LargeIncrement = 10;
    bool Circular = false;
    bool UseCtrlIncrement = false;

  private:
    std::optional<double> minValue_;
    std::optional<double> maxValue_;
};

// A spin edit that shows only its two buttons, stepping the text of the edit it is bound to.
class TFlatSpinButton : public TFlatCustomEdit {
  public:
    enum class Button { None, Up, Down };
    enum class Step { Up, Down, LargeUp, LargeDown };
    static constexpr int kFirstDelay = 400;
    static constexpr int kRepeat = 100;

    explicit TFlatSpinButton(Control* parent);
    TFlatSpinButtonProperties& spinProperties() {
        return static_cast<TFlatSpinButtonProperties&>(properties());
    }

    void setAssociate(TFlatTextEdit* edit);
    int64_t value() const { return value_; }
    void setValue(int64_t v);
    Button pressedButton() const;
    bool shownPressed(Button b) const;
    Button hoverButton() const;
    Rect buttonRect(Button b) const;

    // One step, as a click or a key makes it.
    void step(Step s);

    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    void mouseLeave() override;
    void captureLost() override;
    void timer(int id) override;
    void loaded() override;

  protected:
    void paintContent(Canvas& canvas, const Rect& inner) override;
    void adjustSize() override;

  private:
    void JoinToAssociate();
    Button buttonAt(Point p) const;
    ButtonBehavior& part(Button b) { return b == Button::Up ? up_ : down_; }
    const ButtonBehavior& part(Button b) const { return b == Button::Up ? up_ : down_; }
    // A key of the associate's edit, handled after the edit has had it.
    void associateKey(const KeyEvent& e, bool down);
    int64_t readAssociate() const;
    void paintArrow(Canvas& c, Button b, bool enabled) const;

    TFlatTextEdit* associate_ = nullptr;
    Connection associateKeys_;
    int64_t value_ = 0;
    std::string ownText_ = "0";
    ButtonBehavior up_;
    ButtonBehavior down_;
    Button keyPressed_ = Button::None;
};

}  // namespace lymn
