#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Signal.h"

namespace lymn {

// The single-line edit inside a text edit: text, caret, selection, typing, Backspace and
// Delete, select all, cut, copy and paste through the clipboard, and one level of undo (Undo
// again redoes), as the desktop's edit control behaves.
class TFlatInnerEdit : public Control {
  public:
    explicit TFlatInnerEdit(Control* parent);

    const std::string& text() const { return text_; }
    // A program assignment: the caret goes to the start and nothing is selected. Reports a
    // change only when the text differs.
    void setText(const std::string& t);
    int caret() const { return caret_; }
    int selectionStart() const { return std::min(anchor_, caret_); }
    int selectionLength() const { return std::abs(anchor_ - caret_); }
    std::string selectedText() const;
    void select(int start, int length);
    void selectAll() { select(0, length()); }
    int length() const { return static_cast<int>(chars_.size()); }

    // Editing as the user does it; each that changes the text reports one change.
    void replaceSelection(const std::string& t);
    void backspace();
    void deleteForward();
    void cut();
    void copy();
    void paste();
    void undo();

    // Called after every change of the text.
    std::function<void()> onChange;
    // Every key, before the edit handles it (down: true for key-down).
    Signal<const KeyEvent&, bool> keys;
    Color textColor = colors::black;
    Color background = colors::white;
    bool readOnly = false;

    bool acceptsFocus() const override { return true; }
    bool wantsKey(const KeyEvent& e) const override;
    bool keyDown(const KeyEvent& e) override;
    bool keyUp(const KeyEvent& e) override;
    bool textInput(const std::string& t) override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    void focusIn() override;
    void focusOut() override;
    void paint(Canvas& canvas) override;

  private:
    void changeTo(std::u32string chars, int caret);
    void moveCaret(int to, bool extend);
    int charAt(int x) const;
    int xOf(int index) const;
    void scrollToCaret();

    std::u32string chars_;
    std::string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int scroll_ = 0;  // pixels the text is moved left to keep the caret in view
    bool dragging_ = false;
    std::u32string undoChars_;
    int undoCaret_ = 0;
    bool canUndo_ = false;
};

}  // namespace lymn
