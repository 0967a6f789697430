#include "editors/TFlatInnerEdit.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Utf8.h"

namespace lymn {

TFlatInnerEdit::TFlatInnerEdit(Control* parent) : Control(parent) {
    setCursor(Cursor::IBeam);
}

void TFlatInnerEdit::setText(const std::string& t) {
    if (t == text_) return;
    canUndo_ = false;
    anchor_ = 0;
    changeTo(utf8Decode(t), 0);
}

std::string TFlatInnerEdit::selectedText() const {
    return utf8Encode(std::u32string_view(chars_).substr(selectionStart(), selectionLength()));
}

void TFlatInnerEdit::select(int start, int len) {
    const int s = std::clamp(start, 0, length());
    const int e = std::clamp(start + len, 0, length());
    if (s == anchor_ && e == caret_) return;
    anchor_ = s;
    caret_ = e;
    scrollToCaret();
    invalidate();
}

void TFlatInnerEdit::changeTo(std::u32string chars, int caret) {
    const bool changed = chars != chars_;
    chars_ = std::move(chars);
    text_ = utf8Encode(chars_);
    caret_ = anchor_ = std::clamp(caret, 0, length());
    scrollToCaret();
    invalidate();
    if (changed && onChange) onChange();
}

void TFlatInnerEdit::replaceSelection(const std::string& t) {
    if (readOnly) return;
    std::u32string insert;
    for (char32_t c : utf8Decode(t))
        if (c >= 0x20 && c != 0x7F) insert.push_back(c);
    const int s = selectionStart();
    const int n = selectionLength();
    if (insert.empty() && n == 0) return;
    undoChars_ = chars_;
    undoCaret_ = caret_;
    canUndo_ = true;
    std::u32string next = chars_;
    next.replace(static_cast<size_t>(s), static_cast<size_t>(n), insert);
    changeTo(std::move(next), s + static_cast<int>(insert.size()));
}

void TFlatInnerEdit::backspace() {
    if (readOnly) return;
    if (selectionLength() == 0) {
        if (caret_ == 0) return;
        anchor_ = caret_ - 1;
    }
    replaceSelection("");
}

void TFlatInnerEdit::deleteForward() {
    if (readOnly) return;
    if (selectionLength() == 0) {
        if (caret_ >= length()) return;
        anchor_ = caret_ + 1;
    }
    replaceSelection("");
}

void TFlatInnerEdit::copy() {
    if (selectionLength() == 0) return;
    if (Application* app = application()) app->backend().setClipboardText(selectedText());
}

void TFlatInnerEdit::cut() {
    if (readOnly || selectionLength() == 0) return;
    copy();
    replaceSelection("");
}

void TFlatInnerEdit::paste() {
    Application* app = application();
    if (!app || readOnly) return;
    std::string t = app->backend().clipboardText();
    // A single-line edit takes the clipboard text up to its first line break.
    const auto nl = t.find_first_of("\r\n");
    if (nl != std::string::npos) t.resize(nl);
    replaceSelection(t);
}

void TFlatInnerEdit::undo() {
    if (!canUndo_ || readOnly) return;
    std::u32string back = undoChars_;
    const int backCaret = undoCaret_;
    undoChars_ = chars_;
    undoCaret_ = caret_;
    changeTo(std::move(back), backCaret);
}

void TFlatInnerEdit::moveCaret(int to, bool extend) {
    caret_ = std::clamp(to, 0, length());
    if (!extend) anchor_ = caret_;
    scrollToCaret();
    invalidate();
}

bool TFlatInnerEdit::wantsKey(const KeyEvent& e) const {
    // Arrows stay in the edit; Tab, Enter and Escape go on to the form.
    return e.key == Key::Left || e.key == Key::Right || e.key == Key::Up || e.key == Key::Down;
}

bool TFlatInnerEdit::keyDown(const KeyEvent& e) {
    keys(e, true);
    const bool shift = e.mods & mods::Shift;
    const bool ctrl = e.mods & mods::Ctrl;
    switch (e.key) {
        // In a single-line edit Up and Down move like Left and Right.
        case Key::Left:
        case Key::Up:
            if (!shift && selectionLength() > 0)
                moveCaret(selectionStart(), false);
            else
                moveCaret(caret_ - 1, shift);
            return true;
        case Key::Right:
        case Key::Down:
            if (!shift && selectionLength() > 0)
                moveCaret(selectionStart() + selectionLength(), false);
            else
                moveCaret(caret_ + 1, shift);
            return true;
        case Key::Home:
            moveCaret(0, shift);
            return true;
        case Key::End:
            moveCaret(length(), shift);
            return true;
        case Key::Backspace:
            backspace();
            return true;
        case Key::Delete:
            if (shift)
                cut();
            else
                deleteForward();
            return true;
        case Key::Insert:
            if (shift)
                paste();
            else if (ctrl)
                copy();
            return true;
        default:
            break;
    }
    if (ctrl && !(e.mods & mods::Alt)) {
        switch (static_cast<int>(e.key)) {
            case 'a':
                selectAll();
                return true;
            case 'c':
                copy();
                return true;
            case 'x':
                cut();
                return true;
            case 'v':
                paste();
                return true;
            case 'z':
                undo();
                return true;
            default:
                break;
        }
    }
    return false;
}

bool TFlatInnerEdit::keyUp(const KeyEvent& e) {
    keys(e, false);
    return false;
}

bool TFlatInnerEdit::textInput(const std::string& t) {
    replaceSelection(t);
    return true;
}

int TFlatInnerEdit::xOf(int index) const {
    Application* app = application();
    if (!app) return index * 6;
    return app->fonts().textWidth(font(),
                                  utf8Encode(std::u32string_view(chars_).substr(0, index))) -
           scroll_;
}

int TFlatInnerEdit::charAt(int x) const {
    for (int i = 0; i < length(); ++i) {
        const int mid = (xOf(i) + xOf(i + 1)) / 2;
        if (x < mid) return i;
    }
    return length();
}

void TFlatInnerEdit::scrollToCaret() {
    if (!application()) return;
    const int x = xOf(caret_);
    if (x < 0)
        scroll_ += x;
    else if (x > width() - 2)
        scroll_ += x - (width() - 2);
    scroll_ = std::max(scroll_, 0);
}

void TFlatInnerEdit::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    dragging_ = true;
    moveCaret(charAt(e.pos.x), (e.mods & mods::Shift) != 0);
    if (e.clicks >= 2) selectAll();
}

void TFlatInnerEdit::mouseMove(const MouseEvent& e) {
    if (dragging_) moveCaret(charAt(e.pos.x), true);
}

void TFlatInnerEdit::mouseUp(const MouseEvent&) {
    dragging_ = false;
}

void TFlatInnerEdit::focusIn() {
    if (Form* f = form()) f->window().setTextInput(true);
    invalidate();
    if (parent()) parent()->invalidate();
}

void TFlatInnerEdit::focusOut() {
    if (Form* f = form()) f->window().setTextInput(false);
    dragging_ = false;
    invalidate();
    if (parent()) parent()->invalidate();
}

void TFlatInnerEdit::paint(Canvas& c) {
    c.fillRect(clientRect(), background);
    const FontMetrics m = c.fontMetrics(font());
    const int y = (height() - m.height()) / 2;
    const bool showSelection = focused() && selectionLength() > 0;
    if (showSelection) {
        const int x0 = xOf(selectionStart()), x1 = xOf(selectionStart() + selectionLength());
        c.fillRect({x0, y, x1, y + m.height()}, sysColor(SysColor::Highlight));
    }
    c.drawTextAt(font(), textColor, {-scroll_, y}, text_);
    if (showSelection) {
        // The selected characters again, in the highlight text colour, clipped to the selection.
        const int x0 = xOf(selectionStart()), x1 = xOf(selectionStart() + selectionLength());
        CanvasSaver s(c);
        c.intersectClip({x0, y, x1, y + m.height()});
        c.drawTextAt(font(), sysColor(SysColor::HighlightText), {-scroll_, y}, text_);
    }
    if (focused()) {
        const int x = xOf(caret_);
        c.fillRect({x, y, x + 1, y + m.height()}, textColor);
    }
}

}  // namespace lymn
