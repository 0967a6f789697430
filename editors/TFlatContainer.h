#pragma once

#include "editors/TFlatEditStyle.h"
#include "platform/Control.h"

namespace lymn {

enum class StyleState { Normal, Disabled, Focused, Hot };

// The base of the editor controls: the four style objects, the flat border and background, the
// hot and focused bookkeeping, and automatic size.
class TFlatContainer : public Control {
  public:
    explicit TFlatContainer(Control* parent);

    TFlatEditStyle Style;
    TFlatEditStyle StyleDisabled;
    TFlatEditStyle StyleFocused;
    TFlatEditStyle StyleHot;
    LookAndFeelKind lookAndFeel = LookAndFeelKind::PlainFlat;

    // Style values take effect at the next paint; this repaints and re-sizes.
    void styleChanged();
    StyleState styleState() const;
    ResolvedStyle currentStyle() const;
    ResolvedStyle styleFor(StyleState s) const;
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    // Whether the edit (or its inner control) has the focus.
    virtual bool hasEditFocus() const { return focused(); }
    bool hot() const { return hot_; }
    int borderSize() const { return borderWidth(currentStyle().borderStyle); }

    void paint(Canvas& canvas) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void focusIn() override;
    void focusOut() override;
    void enabledChanged() override { styleChanged(); }
    void fontChanged() override { styleChanged(); }

  protected:
    // Defaults of the normal style that depend on the kind of control.
    virtual Color defaultColor() const;
    virtual EditBorderStyle defaultBorderStyle() const;
    virtual bool defaultHotTrack() const { return true; }
    // The content inside the border.
    virtual void paintContent(Canvas&, const Rect&) {}
    // Applies automatic size (height, and for labels width) when it is on.
    virtual void adjustSize() {}
    // Paints the border in the flat look.
    void paintBorder(Canvas& canvas, const ResolvedStyle& s);

  private:
    bool autoSize_ = true;
    bool transparent_ = false;
    bool hot_ = false;
};

}  // namespace lymn
