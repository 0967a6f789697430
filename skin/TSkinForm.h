#pragma once

#include <string>

#include "platform/Bitmap.h"
#include "platform/Control.h"
#include "skin/TSkinTitleBar.h"
#include "skin/TSkinUIStyle.h"

namespace lymn {

class Form;

// The skinned frame that replaces the window's system frame: it draws a border of its own on
// the form, covers the rest with itself, carries the title bar at its top and answers the
// form's hit test so the border resizes the window.
class TSkinForm : public Control {
  public:
    explicit TSkinForm(Control* form);
    ~TSkinForm() override;

    TSkinUIStyle UIStyle() const { return style_; }
    void setUIStyle(TSkinUIStyle s);
    bool UIStyleAutoUpdateSub = false;
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    bool TitleBarVisible() const { return titleBar_->visible(); }
    void setTitleBarVisible(bool v);
    const std::string& Caption() const { return titleBar_->Caption(); }
    void setCaption(const std::string& c);
    Control* FormPanel() const { return formPanel_; }
    void setFormPanel(Control* p);
    Color MenuBarColor;
    int MenuBarHeight = 22;
    TSkinTitleBar& TitleBar() { return *titleBar_; }
    // The style's body pattern (Pinstripe and Pearl); empty for a body in the colour.
    const Bitmap& pattern() const { return pattern_; }
    // The frame's own size; setting it sizes the form around it.
    void SetWidth(int w);
    void SetHeight(int h);

    // Places the frame inside the form's border.
    void AlignSelf();
    // The border, drawn on the form's own surface.
    void PaintFormBorder(Canvas& canvas);

    void paint(Canvas& canvas) override;
    void colorChanged() override { invalidate(); }

  private:
    void onFormMessage(struct FormMessage& m);
    // Decodes the body pattern of the style, if it has one.
    void loadPattern();

    Form& form_;
    TSkinTitleBar* titleBar_ = nullptr;
    TSkinUIStyle style_ = TSkinUIStyle::Navy;
    Bitmap pattern_;
    Color borderColor_;
    int borderWidth_ = 1;
    bool sizeable_ = true;
    Control* formPanel_ = nullptr;
    int hook_ = 0;
};

}  // namespace lymn
