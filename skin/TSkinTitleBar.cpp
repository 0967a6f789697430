#include "skin/TSkinTitleBar.h"

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Utf8.h"
#include "skin/ThemeTable.h"

namespace lymn {

namespace {

// The first two bytes of the caption in its double-byte form, then "...": for a Chinese caption
// its first character, for a Latin one its first two letters.
std::string shortened(const std::string& caption) {
    const auto chars = utf8Decode(caption);
    std::u32string head;
    if (!chars.empty()) {
        head.push_back(chars[0]);
        if (chars[0] < 0x80 && chars.size() > 1 && chars[1] < 0x80) head.push_back(chars[1]);
    }
    return utf8Encode(head) + "...";
}

}  // namespace

TSkinTitleBar::TSkinTitleBar(Control* parent)
    : Control(parent),
      sections_(
          [this](const std::string& m) {
              if (Application* a = application()) a->errorBox(m);
          },
          [this] { invalidate(); }),
      buttons_(
          [this](const std::string& m) {
              if (Application* a = application()) a->errorBox(m);
          },
          [this] { invalidate(); }) {
    setBounds(0, 0, 185, 30);
    setAlign(Align::Top);
    setFont({"Tahoma", 11, true, colors::white});
    for (auto t : {TSkinTitleBarBtnType::skinControlBox, TSkinTitleBarBtnType::skinClose,
                   TSkinTitleBarBtnType::skinMax, TSkinTitleBarBtnType::skinMin})
        buttons_.add(t);
    setUIStyle(GetSkinFormStyle(form()));
}

void TSkinTitleBar::setUIStyle(TSkinUIStyle s) {
    style_ = s;
    sections_.clear();
    if (s == TSkinUIStyle::Custom) {
        invalidate();
        return;
    }
    Bitmap picture;
    TSkinTitleBarSection& left = sections_.add();
    left.setAutoSize(true);
    LoadThemeBitmap(picture, GetThemeString(s, theme::TitleLeft));
    left.setPicture(picture);
    TSkinTitleBarSection& right = sections_.add();
    right.setAutoSize(true);
    sections_.setAlign(right, TSkinTitleBarAlign::skinRight);
    LoadThemeBitmap(picture, GetThemeString(s, theme::TitleRight));
    right.setPicture(picture);
    TSkinTitleBarSection& middle = sections_.add();
    sections_.setAlign(middle, TSkinTitleBarAlign::skinClient);
    LoadThemeBitmap(picture, GetThemeString(s, theme::TitleClient));
    middle.setPicture(picture);
    leftOffset_ = GetThemeInt(s, theme::TitleLeftButtonOffset);
    rightOffset_ = GetThemeInt(s, theme::TitleRightButtonOffset);
    if (Form* f = form())
        f->setMinimumSize({GetThemeInt(s, theme::FormMinWidth), f->minimumSize().height});
    corner_ = GetThemeInt(s, theme::FormCornerSize);
    applyRegion();
    for (int i = 0; i < buttons_.count(); ++i) buttons_[i].setUIStyle(s);
    autoSize_ = false;
    setAutoSize(true);
    invalidate();
}

void TSkinTitleBar::setAutoSize(bool a) {
    autoSize_ = a;
    if (a) sizeToSections();
}

void TSkinTitleBar::sizeToSections() {
    if (sections_.count() > 0 && !sections_[0].Picture().empty())
        setHeight(sections_[0].Picture().height());
}

void TSkinTitleBar::setCaption(const std::string& c) {
    caption_ = c;
    invalidate();
}

void TSkinTitleBar::setActive(bool a) {
    active_ = a;
    invalidate();
}

void TSkinTitleBar::setButtonInterval(int i) {
    interval_ = i;
    invalidate();
}

void TSkinTitleBar::setLeftBtnXOffset(int x) {
    leftOffset_ = x;
    invalidate();
}

void TSkinTitleBar::setRightBtnXOffset(int x) {
    rightOffset_ = x;
    invalidate();
}

void TSkinTitleBar::setDrawAppIcon(bool d) {
    drawAppIcon_ = d;
    invalidate();
}

Rect TSkinTitleBar::buttonRect(int index) const {
    if (index < 0 || index >= static_cast<int>(buttonRects_.size())) return {};
    return buttonRects_[static_cast<size_t>(index)];
}

Color TSkinTitleBar::captionColor() const {
    if (!active_) return sysColor(SysColor::InactiveCaption);
    if (style_ == TSkinUIStyle::Pinstripe) return colors::black;
    return font().color;
}

Point TSkinTitleBar::cursorInBar() const {
    const Form* f = form();
    Application* app = application();
    if (!f || !app) return {-10000, -10000};
    return app->backend().globalMouse() - f->position() - formRect().topLeft();
}

void TSkinTitleBar::layout(Canvas* canvas) {
    hover_ = -1;
    const Point cursor = cursorInBar();
    auto within = [&cursor](const Rect& r) {
        return cursor.x >= r.left && cursor.x <= r.right && cursor.y >= r.top &&
               cursor.y <= r.bottom;
    };
    buttonRects_.assign(static_cast<size_t>(buttons_.count()), Rect{});
    int controlBox = -1;
    for (int i = 0; i < buttons_.count(); ++i)
        if (buttons_[i].ButtonType() == TSkinTitleBarBtnType::skinControlBox) {
            controlBox = i;
            break;
        }
    int x = width() + rightOffset_ + 1;
    for (int i = 0; i < buttons_.count(); ++i) {
        if (i == controlBox) continue;
        const TSkinTitleBarButton& b = buttons_[i];
        x -= b.size().width + interval_ + 1;
        const Rect r = Rect::xywh(x, b.Top, b.size().width, b.size().height);
        buttonRects_[static_cast<size_t>(i)] = r;
        if (within(r)) hover_ = i;
    }
    int lx = leftOffset_;
    if (controlBox >= 0) {
        const TSkinTitleBarButton& b = buttons_[controlBox];
        Rect r;
        if (drawAppIcon_) {
            r = Rect::xywh(lx + 3, b.Top, 16, 16);
            lx += 21;
        } else {
            r = Rect::xywh(lx, b.Top, b.size().width, b.size().height);
            lx += b.size().width + 5;
        }
        buttonRects_[static_cast<size_t>(controlBox)] = r;
        if (within(r)) hover_ = controlBox;
    }
    if (lx == 0) lx = 6;
    Application* app = application();
    if (!app) return;
    const FontMetrics m = app->fonts().metrics(font());
    shownCaption_ =
        app->fonts().textWidth(font(), caption_) > x - lx ? shortened(caption_) : caption_;
    captionAt_ = {lx, style_ == TSkinUIStyle::Navy ? 4 : (height() - m.height()) / 2};
    (void)canvas;
}

void TSkinTitleBar::repaintNow() {
    layout(nullptr);
    invalidate();
}

void TSkinTitleBar::paint(Canvas& c) {
    // Sections: from the left and the right inwards, the client section over what is left.
    int L = -1, R = width() + 1;
    const TSkinTitleBarSection* middle = nullptr;
    for (int i = 0; i < sections_.count(); ++i) {
        const TSkinTitleBarSection& s = sections_[i];
        const Bitmap& p = s.Picture();
        switch (s.Align()) {
            case TSkinTitleBarAlign::skinLeft:
                if (s.Stretch())
                    c.stretchBitmap(p, p.rect(), Rect::xywh(L + 1, 0, s.Width(), height()));
                else
                    c.drawBitmap(p, {0, 0, s.Width(), p.height()}, {L + 1, 0});
                L += s.Width();
                break;
            case TSkinTitleBarAlign::skinRight:
                if (width() - L >= s.Width()) {
                    if (s.Stretch())
                        c.stretchBitmap(p, p.rect(),
                                        Rect::xywh(R - s.Width() - 1, 0, s.Width(), height()));
                    else
                        c.drawBitmap(p, {0, 0, s.Width(), p.height()}, {R - s.Width() - 1, 0});
                    R -= s.Width();
                }
                break;
            case TSkinTitleBarAlign::skinClient:
                middle = &s;
                break;
        }
    }
    if (middle)
        c.stretchBitmap(middle->Picture(), middle->Picture().rect(), {L + 1, 0, R - 1, height()});

    layout(&c);
    for (int i = 0; i < buttons_.count(); ++i) {
        const TSkinTitleBarButton& b = buttons_[i];
        const Rect r = buttonRects_[static_cast<size_t>(i)];
        if (r.empty()) continue;
        if (drawAppIcon_ && b.ButtonType() == TSkinTitleBarBtnType::skinControlBox) continue;
        const Bitmap& p = i == hover_ ? (down_ ? b.PicMouseDown : b.PicMouseOn) : b.PicNormal;
        if (p.empty()) continue;
        if (b.Transparent)
            c.drawBitmapKeyed(p, p.rect(), r.topLeft(), p.color(0, p.height() - 1));
        else
            c.drawBitmap(p, r.topLeft());
    }
    c.drawTextAt(font(), captionColor(), captionAt_, shownCaption_);
}

void TSkinTitleBar::mouseMove(const MouseEvent&) {
    repaintNow();
}

void TSkinTitleBar::mouseLeave() {
    repaintNow();
    Control::mouseLeave();
}

void TSkinTitleBar::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    down_ = true;
    repaintNow();
    Form* f = form();
    if (!f) return;
    if (e.clicks == 2 && hover_ < 0)
        for (int i = 0; i < buttons_.count(); ++i)
            if (buttons_[i].ButtonType() == TSkinTitleBarBtnType::skinMax) {
                DoClick(i);
                break;
            }
    // The second press of a double click moves the window as the first does.
    if (hover_ < 0 && !f->maximized()) {
        // The system moves the window with the mouse until the button is released.
        releaseCapture();
        f->beginMove();
        down_ = false;
    }
}

void TSkinTitleBar::mouseUp(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const int index = hover_;
    if (index >= 0) {
        const TSkinTitleBarBtnType type = buttons_[index].ButtonType();
        DoClick(index);
        if (type == TSkinTitleBarBtnType::skinCustom && OnCustomBtnsClick)
            OnCustomBtnsClick(*this, index);
        else if (type == TSkinTitleBarBtnType::skinHelp && OnHelpBtnClick)
            OnHelpBtnClick(*this, index);
    }
    down_ = false;
    repaintNow();
}

void TSkinTitleBar::DoClick(int index) {
    Form* f = form();
    if (!f || index < 0 || index >= buttons_.count()) return;
    if (Application* app = application()) f->setMaximumSize(app->backend().workArea().size());
    switch (buttons_[index].ButtonType()) {
        case TSkinTitleBarBtnType::skinMin:
            f->minimize();
            break;
        case TSkinTitleBarBtnType::skinClose:
            f->close();
            break;
        case TSkinTitleBarBtnType::skinMax:
            // This window is never maximised: the button only re-applies the region.
            applyRegion();
            break;
        default:
            break;
    }
}

void TSkinTitleBar::OnFormReSize() {
    applyRegion();
}

void TSkinTitleBar::applyRegion() {
    if (Form* f = form()) f->setRegionCorner(corner_);
}

}  // namespace lymn
