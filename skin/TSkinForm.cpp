#include "skin/TSkinForm.h"

#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/Form.h"
#include "skin/ThemeTable.h"

namespace lymn {

namespace {

Form& formOf(Control* owner) {
    auto* f = dynamic_cast<Form*>(owner);
    if (!f) throw Error("A TSkinForm is placed on a form");
    return *f;
}

}  // namespace

TSkinForm::TSkinForm(Control* owner) : Control(owner), form_(formOf(owner)) {
    for (auto& c : form_.children())
        if (dynamic_cast<TSkinForm*>(c.get()))
            throw Error("Sorry, You can create only one TSkinForm component in one form!");
    form_.setMinimumSize({125, 50});
    titleBar_ = &add<TSkinTitleBar>();
    MenuBarColor = color();
    setUIStyle(TSkinUIStyle::Navy);
    UIStyleAutoUpdateSub = false;
    setCaption(form_.caption());
    hook_ = form_.addHook([this](FormMessage& m) { onFormMessage(m); });
}

TSkinForm::~TSkinForm() {
    form_.removeHook(hook_);
}

void TSkinForm::setUIStyle(TSkinUIStyle s) {
    style_ = s;
    loadPattern();
    if (s == TSkinUIStyle::Custom) return;
    borderColor_ = GetThemeColor(s, theme::FrameBorderColor);
    setBorderWidth(GetThemeInt(s, theme::FrameBorderWidth));
    setColor(GetThemeColor(s, theme::FrameBodyColor));
    MenuBarColor = color();
    titleBar_->setUIStyle(s);
    if (UIStyleAutoUpdateSub) {
        SubContainerApplyUIStyle(*this, s);
        ContainerApplyUIStyle(*this, s);
    }
    AlignSelf();
    invalidate();
    form_.invalidate();
    if (!form_.loading()) {
        SetWidth(width());
        SetHeight(height());
    }
}

void TSkinForm::setBorderColor(Color c) {
    if (c == borderColor_) return;
    borderColor_ = c;
    form_.invalidate();
}

void TSkinForm::setBorderWidth(int w) {
    if (w == borderWidth_) return;
    borderWidth_ = w;
    SetWidth(width());
    SetHeight(height());
    form_.invalidate();
}

void TSkinForm::setTitleBarVisible(bool v) {
    titleBar_->setVisible(v);
    AlignSelf();
    form_.invalidate();
}

void TSkinForm::setCaption(const std::string& c) {
    titleBar_->setCaption(c);
    form_.setCaption(c);
}

void TSkinForm::setFormPanel(Control* p) {
    if (p == this) {
        form_.application().errorBox(
            "Sorry, you can't select the Form assign to FormPanel property");
        return;
    }
    formPanel_ = p;
}

void TSkinForm::SetWidth(int w) {
    form_.setSize(w + 2 * borderWidth_, form_.height());
    AlignSelf();
}

void TSkinForm::SetHeight(int h) {
    form_.setSize(form_.width(), h + borderWidth_ + borderWidth_ / 2);
    AlignSelf();
}

void TSkinForm::AlignSelf() {
    const int top = titleBar_->visible() ? 0 : borderWidth_;
    setBounds(borderWidth_, top, form_.width() - 2 * borderWidth_,
              form_.height() - borderWidth_ - top);
}

void TSkinForm::PaintFormBorder(Canvas& c) {
    const int bw = borderWidth_, cw = form_.width(), ch = form_.height();
    c.fillRect({0, 0, bw, ch}, borderColor_);
    c.fillRect({0, ch - bw, cw, ch}, borderColor_);
    c.fillRect({cw - bw, 0, cw, ch}, borderColor_);
    c.fillRect({0, 0, cw, bw}, borderColor_);
}

void TSkinForm::loadPattern() {
    // Pinstripe and Pearl fill the body with a pattern, the other styles with the colour.
    if (style_ == TSkinUIStyle::Pinstripe)
        LoadThemeBitmap(pattern_, "PINSTRIPE_FORM_BACKGROUND", scale());
    else if (style_ == TSkinUIStyle::Pearl)
        LoadThemeBitmap(pattern_, "PEARL_FORM_BACKGROUND", scale());
    else
        pattern_ = Bitmap();
}

void TSkinForm::paint(Canvas& c) {
    if (pattern_.empty())
        c.fillRect(clientRect(), color());
    else
        c.fillPattern(clientRect(), pattern_);
}

void TSkinForm::onFormMessage(FormMessage& m) {
    switch (m.kind) {
        case FormMessage::Kind::Activate:
            titleBar_->setActive(m.active);
            break;
        case FormMessage::Kind::ShowWindow:
            // The desktop is asked for its work area only when the window is about to show.
            form_.setMaximumSize(form_.application().backend().workArea().size());
            break;
        case FormMessage::Kind::Size:
            AlignSelf();
            form_.invalidate();
            titleBar_->OnFormReSize();
            break;
        case FormMessage::Kind::EraseBackground:
            if (m.canvas) PaintFormBorder(*m.canvas);
            break;
        case FormMessage::Kind::HitTest: {
            if (form_.maximized() || !sizeable_) break;
            const int x = m.pos.x, y = m.pos.y, cw = form_.width(), ch = form_.height();
            if (x < 5 && y < 5)
                m.result = HitTest::TopLeft;
            else if (x > cw - 5 && y < 5)
                m.result = HitTest::TopRight;
            else if (x > cw - 5 && y > ch - 5)
                m.result = HitTest::BottomRight;
            else if (x < 5 && y > ch - 5)
                m.result = HitTest::BottomLeft;
            else if (x < 5)
                m.result = HitTest::Left;
            else if (y < 5)
                m.result = HitTest::Top;
            else if (x > cw - 5)
                m.result = HitTest::Right;
            else if (y > ch - 5)
                m.result = HitTest::Bottom;
            break;
        }
        default:
            break;
    }
}

}  // namespace lymn
