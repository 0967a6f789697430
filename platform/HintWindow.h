#pragma once

#include <string>

#include "platform/Form.h"

namespace lymn {

// The small window that shows a control's hint under the mouse.
class HintWindow : public Form {
  public:
    explicit HintWindow(Application& app);
    const std::string& text() const { return text_; }
    // Shows the text with its top-left corner at the screen point.
    void showAt(const std::string& text, Point screen);
    void paint(Canvas& canvas) override;

  private:
    std::string text_;
};

}  // namespace lymn
