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

// A point on a button's edge still counts as on the button.
bool onButton(const Rect& r, Point p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

TSkinTitleBar::TSkinTitleBar(Control* parent)
    : Control(parent),
      sections_(
          [this](const std::string& m) {
              if (Application* a = application()) a->errorBox(m);
          },
          [this] {
              placeSections();
              invalidate();
          }),
      buttons_(
          [this](const std::string& m) {
              if (Application* a = application()) a->errorBox(m);
          },
          [this] { placeButtons(); }, [this] { return scale(); }) {
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
        relayout();
        return;
    }
    Bitmap picture;
    TSkinTitleBarSection& left = sections_.add();
    left.setAutoSize(true);
    LoadThemeBitmap(picture, GetThemeString(s, theme::TitleLeft), scale());
    left.setPicture(picture);
    TSkinTitleBarSection& right = sections_.add();
    right.setAutoSize(true);
    sections_.setAlign(right, TSkinTitleBarAlign::skinRight);
    LoadThemeBitmap(picture, GetThemeString(s, theme::TitleRight), scale());
    right.setPicture(picture);
    TSkinTitleBarSection& middle = sections_.add();
    sections_.setAlign(middle, TSkinTitleBarAlign::skinClient);
    LoadThemeBitmap(picture, GetThemeString(s, theme::TitleClient), scale());
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
    relayout();
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
    if (c == caption_) return;
    caption_ = c;
    measureCaption();
    placeCaption();
    invalidate();
}

void TSkinTitleBar::setActive(bool a) {
    if (a == active_) return;
    active_ = a;
    invalidate();
}

void TSkinTitleBar::setButtonInterval(int i) {
    if (i == interval_) return;
    interval_ = i;
    placeButtons();
}

void TSkinTitleBar::setLeftBtnXOffset(int x) {
    if (x == leftOffset_) return;
    leftOffset_ = x;
    placeButtons();
}

void TSkinTitleBar::setRightBtnXOffset(int x) {
    if (x == rightOffset_) return;
    rightOffset_ = x;
    placeButtons();
}

void TSkinTitleBar::setDrawAppIcon(bool d) {
    if (d == drawAppIcon_) return;
    drawAppIcon_ = d;
    placeButtons();
}

void TSkinTitleBar::resized() {
    relayout();
}

void TSkinTitleBar::fontChanged() {
    measureCaption();
    placeCaption();
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

void TSkinTitleBar::relayout() {
    placeSections();
    placeButtons();
}

void TSkinTitleBar::placeSections() {
    // From the left and the right inwards; the client section is stretched over what is left.
    sectionPlaces_.clear();
    int L = -1, R = width() + 1;
    int middle = -1;
    for (int i = 0; i < sections_.count(); ++i) {
        const TSkinTitleBarSection& s = sections_[i];
        const int h = s.Stretch() ? height() : s.Picture().height();
        switch (s.Align()) {
            case TSkinTitleBarAlign::skinLeft:
                placeSection(i, Rect::xywh(L + 1, 0, s.Width(), h), s.Stretch());
                L += s.Width();
                break;
            case TSkinTitleBarAlign::skinRight:
                if (width() - L >= s.Width()) {
                    placeSection(i, Rect::xywh(R - s.Width() - 1, 0, s.Width(), h), s.Stretch());
                    R -= s.Width();
                }
                break;
            case TSkinTitleBarAlign::skinClient:
                middle = i;
                break;
        }
    }
    if (middle >= 0) placeSection(middle, {L + 1, 0, R - 1, height()}, true);
}

void TSkinTitleBar::placeSection(int index, const Rect& to, bool stretch) {
    const Bitmap& p = sections_[index].Picture();
    SectionPlace place{index, to, {}};
    if (stretch) {
        // Stretched once here rather than at every paint: the same pixels a paint would make.
        if (p.empty() || to.empty()) return;
        place.stretched = Bitmap(to.width(), to.height(), colors::black, p.scale());
        Canvas c(place.stretched);
        c.stretchBitmap(p, p.rect(), Rect::ofSize(to.size()));
    }
    sectionPlaces_.push_back(std::move(place));
}

int TSkinTitleBar::controlBoxIndex() const {
    for (int i = 0; i < buttons_.count(); ++i)
        if (buttons_[i].ButtonType() == TSkinTitleBarBtnType::skinControlBox) return i;
    return -1;
}

void TSkinTitleBar::placeButtons() {
    buttonRects_.assign(static_cast<size_t>(buttons_.count()), Rect{});
    const int box = controlBoxIndex();
    int x = width() + rightOffset_ + 1;
    for (int i = 0; i < buttons_.count(); ++i) {
        if (i == box) continue;
        const TSkinTitleBarButton& b = buttons_[i];
        x -= b.size().width + interval_ + 1;
        buttonRects_[static_cast<size_t>(i)] =
            Rect::xywh(x, b.Top, b.size().width, b.size().height);
    }
    buttonsLeft_ = x;
    int lx = leftOffset_;
    if (box >= 0) {
        const TSkinTitleBarButton& b = buttons_[box];
        Rect& r = buttonRects_[static_cast<size_t>(box)];
        if (drawAppIcon_) {
            r = Rect::xywh(lx + 3, b.Top, 16, 16);
            lx += 21;
        } else {
            r = Rect::xywh(lx, b.Top, b.size().width, b.size().height);
            lx += b.size().width + 5;
        }
    }
    captionLeft_ = lx == 0 ? 6 : lx;
    placeCaption();
    hover_ = mouse_ ? buttonAt(*mouse_) : -1;
    invalidate();
}

void TSkinTitleBar::measureCaption() {
    Application* app = application();
    if (!app) return;
    captionWidth_ = app->fonts().textWidth(font(), caption_);
    captionHeight_ = app->fonts().metrics(font()).height();
}

void TSkinTitleBar::placeCaption() {
    // A caption wider than the room between the control box and the right-hand buttons is cut.
    shownCaption_ = captionWidth_ > buttonsLeft_ - captionLeft_ ? shortened(caption_) : caption_;
    captionAt_ = {captionLeft_, style_ == TSkinUIStyle::Navy ? 4 : (height() - captionHeight_) / 2};
}

int TSkinTitleBar::buttonAt(Point p) const {
    // The right-hand buttons in their order, then the control box above them.
    const int box = controlBoxIndex();
    int found = -1;
    for (int i = 0; i < static_cast<int>(buttonRects_.size()); ++i)
        if (i != box && onButton(buttonRects_[static_cast<size_t>(i)], p)) found = i;
    if (box >= 0 && onButton(buttonRect(box), p)) found = box;
    return found;
}

void TSkinTitleBar::trackMouse(std::optional<Point> at) {
    mouse_ = at;
    const int now = at ? buttonAt(*at) : -1;
    if (now == hover_) return;
    hover_ = now;
    invalidate();
}

void TSkinTitleBar::paint(Canvas& c) {
    for (const SectionPlace& place : sectionPlaces_) {
        const Bitmap& p = sections_[place.index].Picture();
        if (!place.stretched.empty())
            c.drawBitmap(place.stretched, place.to.topLeft());
        else
            c.drawBitmap(p, {0, 0, place.to.width(), p.height()}, place.to.topLeft());
    }
    for (int i = 0; i < buttons_.count(); ++i) {
        const TSkinTitleBarButton& b = buttons_[i];
        const Rect r = buttonRect(i);
        if (r.empty()) continue;
        if (drawAppIcon_ && b.ButtonType() == TSkinTitleBarBtnType::skinControlBox) continue;
        const Bitmap& p = i == hover_ ? (down_ ? b.PicMouseDown() : b.PicMouseOn()) : b.PicNormal();
        if (p.empty()) continue;
        if (b.Transparent)
            c.drawBitmapKeyed(p, p.rect(), r.topLeft(), p.color(0, p.height() - 1));
        else
            c.drawBitmap(p, r.topLeft());
    }
    c.drawTextAt(font(), captionColor(), captionAt_, shownCaption_);
}

void TSkinTitleBar::mouseMove(const MouseEvent& e) {
    trackMouse(e.pos);
}

void TSkinTitleBar::mouseLeave() {
    trackMouse(std::nullopt);
    Control::mouseLeave();
}

void TSkinTitleBar::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    down_ = true;
    trackMouse(e.pos);
    invalidate();
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
    // The button under the mouse as of its last move or press is the one released on.
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
    invalidate();
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
