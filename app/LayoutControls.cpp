#include "app/LayoutControls.h"

#include "editors/TFlatLabel.h"
#include "skin/TSkinButton.h"

namespace lymn {

FontSpec song(int height, bool bold) {
    return {"宋体", height, bold, colors::black};
}

TFlatLabel& fieldLabel(Control& parent, const char* name, int x, int y, const std::string& text,
                       const FontSpec& font, Color color) {
    auto& l = parent.add<TFlatLabel>();
    l.setName(name);
    l.setLeft(x);
    l.setTop(y);
    l.Style.font = font;
    l.Style.textColor = color;
    l.setTransparent(true);
    l.setCaption(text);
    return l;
}

TSkinButton& pinstripeButton(Control& parent, const char* name, const char* caption, int tabOrder) {
    auto& b = parent.add<TSkinButton>();
    b.setName(name);
    b.setUIStyle(TSkinUIStyle::Pinstripe);
    b.setCaption(caption);
    b.setTabOrder(tabOrder);
    return b;
}

}  // namespace lymn
