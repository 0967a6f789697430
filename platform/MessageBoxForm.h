#pragma once

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/DialogButton.h"
#include "platform/Form.h"

namespace lymn {

// The program's message and error boxes: a modal window with the application title as its
// caption, the text (with a stop sign for errors) and one OK button, centred on the screen.
// A box fits the work area less kScreenMargin on every side, its button always showing: a text
// of more lines than fit keeps its start and end with a line "…" between them, and the whole
// text goes to standard error.
class MessageBoxForm : public Form {
  public:
    static constexpr int kBorder = 3;
    static constexpr int kCaptionHeight = 18;
    static constexpr int kMargin = 11;
    static constexpr int kIconSize = 32;
    static constexpr int kMaxTextWidth = 420;
    static constexpr int kScreenMargin = 16;
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;
    static constexpr char kEllipsis[] = "\u2026";

    MessageBoxForm(Application& app, BoxKind kind, const std::string& caption,
                   const std::string& text);

    BoxKind boxKind() const { return kind_; }
    const std::vector<std::string>& lines() const { return lines_; }
    // Whether the text was shortened to fit the screen.
    bool shortened() const { return shortened_; }
    Rect captionRect() const;
    Rect iconRect() const;
    Rect textRect() const;
    DialogButton& okButton() { return *ok_; }

    void paint(Canvas& canvas) override;
    void mouseDown(const MouseEvent& e) override;

    // Breaks a text into lines no wider than maxWidth: at blanks where it can, else between
    // any two characters (Chinese text and long paths have no blanks).
    static std::vector<std::string> wrap(FontSystem& fonts, const FontSpec& font,
                                         const std::string& text, int maxWidth);
    // At most maxLines of the lines: the first and the last ones with a line "…" between them
    // where some had to go.
    static std::vector<std::string> shortenMiddle(const std::vector<std::string>& lines,
                                                  int maxLines);

  private:
    void paintStopSign(Canvas& canvas, Point at) const;
    // The lines of the text that fit a box on the work area.
    void layOutText(FontSystem& fonts, const std::string& text, Size room);

    BoxKind kind_;
    std::vector<std::string> lines_;
    int lineHeight_ = 13;
    int textWidth_ = 0;
    bool shortened_ = false;
    DialogButton* ok_ = nullptr;
};

}  // namespace lymn
