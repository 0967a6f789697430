#include "platform/MessageBoxForm.h"

#include <algorithm>
#include <cstdio>

#include "platform/Utf8.h"

namespace lymn {

namespace {

const FontSpec kBoxFont{"Tahoma", 11, false, colors::black};
const FontSpec kCaptionFont{"Tahoma", 11, true, colors::white};

}  // namespace

std::vector<std::string> MessageBoxForm::wrap(FontSystem& fonts, const FontSpec& font,
                                              const std::string& text, int maxWidth) {
    std::vector<std::string> out;
    const auto chars = utf8Decode(text);
    std::u32string line;
    // A line's width is the sum of its characters' advances: one measure per character keeps
    // a long text linear.
    int width = 0;
    std::string one;
    auto advance = [&](char32_t c) {
        one.clear();
        utf8Append(one, c);
        return fonts.textWidth(font, one);
    };
    size_t lastBlank = std::u32string::npos;
    for (char32_t c : chars) {
        if (c == U'\n') {
            out.push_back(utf8Encode(line));
            line.clear();
            width = 0;
            lastBlank = std::u32string::npos;
            continue;
        }
        line.push_back(c);
        width += advance(c);
        if (c == U' ') lastBlank = line.size() - 1;
        if (line.size() > 1 && width > maxWidth) {
            std::u32string rest;
            if (lastBlank != std::u32string::npos && lastBlank > 0) {
                rest = line.substr(lastBlank + 1);
                line.resize(lastBlank);
            } else {
                rest = line.substr(line.size() - 1);
                line.pop_back();
            }
            out.push_back(utf8Encode(line));
            line = rest;
            width = fonts.textWidth(font, utf8Encode(line));
            lastBlank = std::u32string::npos;
        }
    }
    out.push_back(utf8Encode(line));
    return out;
}

std::vector<std::string> MessageBoxForm::shortenMiddle(const std::vector<std::string>& lines,
                                                       int maxLines) {
    const size_t max = static_cast<size_t>(std::max(maxLines, 1));
    if (lines.size() <= max) return lines;
    const size_t tail = (max - 1) / 2;
    const size_t head = max - 1 - tail;
    std::vector<std::string> out(lines.begin(), lines.begin() + static_cast<ptrdiff_t>(head));
    out.emplace_back(kEllipsis);
    out.insert(out.end(), lines.end() - static_cast<ptrdiff_t>(tail), lines.end());
    return out;
}

void MessageBoxForm::layOutText(FontSystem& fonts, const std::string& text, Size room) {
    lineHeight_ = fonts.metrics(kBoxFont).height();
    const int icon = kind_ == BoxKind::Error ? kIconSize + kMargin : 0;
    const int maxWidth =
        std::clamp(room.width - 2 * kBorder - 2 * kMargin - icon, kIconSize, kMaxTextWidth);
    const int maxLines =
        std::max(1, (room.height - 2 * kBorder - kCaptionHeight - 3 * kMargin - kButtonHeight) /
                        std::max(lineHeight_, 1));
    // Every character is at least a pixel wide, so a text this long fills more lines than fit;
    // only its ends are wrapped.
    const size_t keep = static_cast<size_t>(maxLines) * static_cast<size_t>(maxWidth);
    std::u32string chars = utf8Decode(text);
    if (chars.size() > 2 * keep) {
        chars = chars.substr(0, keep) + U"\u2026" + chars.substr(chars.size() - keep);
        shortened_ = true;
    }
    lines_ = wrap(fonts, kBoxFont, utf8Encode(chars), maxWidth);
    if (lines_.size() > static_cast<size_t>(maxLines)) {
        lines_ = shortenMiddle(lines_, maxLines);
        shortened_ = true;
    }
    for (auto& l : lines_) textWidth_ = std::max(textWidth_, fonts.textWidth(kBoxFont, l));
    // What the box could not show is not lost.
    if (shortened_) std::fprintf(stderr, "%s: %s\n", caption().c_str(), text.c_str());
}

MessageBoxForm::MessageBoxForm(Application& app, BoxKind kind, const std::string& caption,
                               const std::string& text)
    : Form(app, WindowKind::Dialog), kind_(kind) {
    setFont(kBoxFont);
    setCaption(caption);
    FontSystem& fonts = app.fonts();
    const Rect area = app.backend().workArea();
    const Size room{area.width() - 2 * kScreenMargin, area.height() - 2 * kScreenMargin};
    layOutText(fonts, text, room);

    const int icon = kind_ == BoxKind::Error ? kIconSize + kMargin : 0;
    const int textHeight = lineHeight_ * static_cast<int>(lines_.size());
    const int body = std::max(textHeight, kind_ == BoxKind::Error ? kIconSize : 0);
    const int captionWidth = fonts.textWidth(kCaptionFont, caption) + 40;
    const int least = 2 * kBorder + 2 * kMargin + kButtonWidth;
    // A long caption is cut rather than widening the box past the screen.
    const int width = std::max(
        least, std::min(room.width, 2 * kBorder + 2 * kMargin +
                                        std::max({icon + textWidth_, kButtonWidth, captionWidth})));
    const int height = 2 * kBorder + kCaptionHeight + 3 * kMargin + body + kButtonHeight;
    setSize(width, height);

    ok_ = &add<DialogButton>("确定");
    ok_->setName("OK");
    ok_->setBounds((width - kButtonWidth) / 2, height - kBorder - kMargin - kButtonHeight,
                   kButtonWidth, kButtonHeight);
    ok_->onClick = [this](Control&) {
        setModalResult(1);
        close();
    };
    addHook([this](FormMessage& m) {
        if (m.kind == FormMessage::Kind::KeyDown && m.key.key == Key::Escape) {
            m.handled = true;
            setModalResult(2);
            close();
        }
    });
    centerOnScreen();
    ok_->setFocus();
}

Rect MessageBoxForm::captionRect() const {
    return {kBorder, kBorder, width() - kBorder, kBorder + kCaptionHeight};
}

Rect MessageBoxForm::iconRect() const {
    if (kind_ != BoxKind::Error) return {};
    return Rect::xywh(kBorder + kMargin, kBorder + kCaptionHeight + kMargin, kIconSize, kIconSize);
}

Rect MessageBoxForm::textRect() const {
    const int left = kBorder + kMargin + (kind_ == BoxKind::Error ? kIconSize + kMargin : 0);
    int top = kBorder + kCaptionHeight + kMargin;
    const int textHeight = lineHeight_ * static_cast<int>(lines_.size());
    if (kind_ == BoxKind::Error && textHeight < kIconSize) top += (kIconSize - textHeight) / 2;
    return Rect::xywh(left, top, textWidth_, textHeight);
}

void MessageBoxForm::paintStopSign(Canvas& c, Point at) const {
    // A red disc with a white cross.
    const Color red = Color::rgb(0xE81123);
    const Color rim = Color::rgb(0x9E0B0F);
    const double r = kIconSize / 2.0 - 0.5;
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            const double dx = x - r, dy = y - r;
            const double d2 = dx * dx + dy * dy;
            if (d2 <= (r - 1) * (r - 1))
                c.setPixel(at.x + x, at.y + y, red);
            else if (d2 <= r * r)
                c.setPixel(at.x + x, at.y + y, rim);
        }
    for (int i = 9; i < kIconSize - 9; ++i)
        for (int w = -1; w <= 1; ++w) {
            c.setPixel(at.x + i + w, at.y + i, colors::white);
            c.setPixel(at.x + kIconSize - 1 - i + w, at.y + i, colors::white);
        }
}

void MessageBoxForm::paint(Canvas& c) {
    const Rect r = clientRect();
    c.fillRect(r, sysColor(SysColor::ButtonFace));
    // Raised dialog frame.
    c.frameRect(r, sysColor(SysColor::ButtonFace));
    c.fillRect({0, 0, r.right - 1, 1}, sysColor(SysColor::ButtonFace));
    c.fillRect({1, 1, r.right - 2, 2}, sysColor(SysColor::ButtonHighlight));
    c.fillRect({1, 1, 2, r.bottom - 2}, sysColor(SysColor::ButtonHighlight));
    c.fillRect({0, r.bottom - 1, r.right, r.bottom}, colors::black);
    c.fillRect({r.right - 1, 0, r.right, r.bottom}, colors::black);
    c.fillRect({1, r.bottom - 2, r.right - 1, r.bottom - 1}, sysColor(SysColor::ButtonShadow));
    c.fillRect({r.right - 2, 1, r.right - 1, r.bottom - 1}, sysColor(SysColor::ButtonShadow));
    const Rect cap = captionRect();
    c.fillRect(cap, sysColor(active() ? SysColor::ActiveCaption : SysColor::InactiveCaption));
    c.drawText(kCaptionFont, colors::white, cap.inflated(-3, 0), caption(),
               text::VCenter | text::NoPrefix);
    if (kind_ == BoxKind::Error) paintStopSign(c, iconRect().topLeft());
    const Rect t = textRect();
    for (size_t i = 0; i < lines_.size(); ++i)
        c.drawTextAt(kBoxFont, sysColor(SysColor::WindowText),
                     {t.left, t.top + lineHeight_ * static_cast<int>(i)}, lines_[i]);
}

void MessageBoxForm::mouseDown(const MouseEvent& e) {
    if (e.button == MouseButton::Left && captionRect().contains(e.pos)) beginMove();
}

}  // namespace lymn
