// The window's texts: every label's caption, font and colour on both pages, as drawn.
#include "app/LayoutPictures.h"
#include "editors/TFlatGroupBox.h"
#include "editors/TFlatLabel.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

const Color kGreen = Color::rgb(0x008040);
const Color kMaroon = Color::rgb(0x800000);
const Color kPurple = Color::rgb(0x800080);
const Color kBlue = Color::rgb(0x0000FF);
const Color kRed = Color::rgb(0xFF0000);
// The notice page's tab, right of the first tab.
const Point kNoticeTab{1 + 90, 23 + 8};

struct Text {
    const char* name;
    std::string caption;
    const char* face;
    int height;
    bool bold;
    Color color;
    bool transparent;
};

Text song(const char* name, std::string caption, Color color, bool bold = false) {
    return {name, std::move(caption), "宋体", 13, bold, color, true};
}
Text sans(const char* name, std::string caption, Color color, bool bold, bool transparent = true) {
    return {name, std::move(caption), "MS Sans Serif", 11, bold, color, transparent};
}
Text band(const char* name, std::string caption = "0") {
    return sans(name, std::move(caption), sysColor(SysColor::Window), true, false);
}

int channelDistance(Color a, Color b) {
    const uint32_t x = a.hex(), y = b.hex();
    int d = 0;
    for (int shift : {0, 8, 16})
        d = std::max(d, std::abs(static_cast<int>((x >> shift) & 0xFF) -
                                 static_cast<int>((y >> shift) & 0xFF)));
    return d;
}

// How far the pixel of r closest to a colour is from it, in the channel that differs most.
int distanceToClosest(const Bitmap& b, const Rect& r, Color c) {
    int best = 255;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            best = std::min(best, channelDistance(b.color(x, y), c));
    return best;
}

class LayoutTexts : public test::ScaledWindowFixture {
  protected:
    // How much a control changes the window by being drawn: the sum over its pixels of the
    // largest channel difference.
    int inkWeight(const std::string& name) {
        Control& c = form().control(name);
        const Bitmap with = frame();
        c.setVisible(false);
        const Bitmap& without = frame();
        int n = 0;
        const Rect r = c.formRect();
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += channelDistance(with.color(x, y), without.color(x, y));
        c.setVisible(true);
        return n;
    }

    TFlatLabel& label(const std::string& name) { return form().control<TFlatLabel>(name); }

    // The box of what a control draws over what lies under it: the difference between the
    // window with it and without it, inside the control.
    Rect drawnBox(const std::string& name) {
        Control& c = form().control(name);
        const Bitmap with = frame();
        c.setVisible(false);
        const Bitmap& without = frame();
        const Rect r = c.formRect();
        Rect box;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (with.color(x, y) != without.color(x, y))
                    box = box.united(Rect::xywh(x, y, 1, 1));
        c.setVisible(true);
        return box;
    }

    // Caption, font and colour of a label, and its text drawn inside it in that colour, starting
    // at its top-left corner within its margins.
    void checkText(const Text& t) {
        SCOPED_TRACE(t.name);
        TFlatLabel& l = label(t.name);
        EXPECT_EQ(l.caption(), t.caption);
        const ResolvedStyle style = l.currentStyle();
        EXPECT_EQ(style.font.face, t.face);
        EXPECT_EQ(style.font.height, t.height);
        EXPECT_EQ(style.font.bold, t.bold);
        EXPECT_EQ(test::hex(style.textColor), test::hex(t.color));
        EXPECT_EQ(l.transparent(), t.transparent);
        const Rect r = l.formRect();
        // The number bands fill their rectangle with their green.
        if (!t.transparent) {
            EXPECT_EQ(test::hex(style.color), test::hex(kGreen));
            EXPECT_EQ(test::hex(frame().color(r.left, r.top)), test::hex(kGreen));
            EXPECT_EQ(test::hex(frame().color(r.right - 1, r.bottom - 1)), test::hex(kGreen));
        }
        const Rect ink = t.transparent ? drawnBox(t.name) : test::inkBox(frame(), r, kGreen);
        ASSERT_FALSE(ink.empty());
        EXPECT_TRUE(r.contains(ink)) << ink.left << "," << ink.top;
        EXPECT_LE(ink.left - r.left, 3);
        EXPECT_LE(ink.top - r.top, 4);
        EXPECT_LE(ink.height(), t.height + 2);
        EXPECT_GE(ink.height(), t.height / 2);
        // Anti-aliased text comes within a few steps of its colour; a wrong colour is far off.
        EXPECT_LE(distanceToClosest(frame(), ink, t.color), 8);
    }
};

TEST_P(LayoutTexts, TheCharacterPageLabels) {
    const Text texts[] = {
        song("flatLabel10", "等级:", Color::rgb(0xDA7607)),
        song("flatLabel4", "生  命:", kGreen, true),
        song("flatLabel8", "法  力:", kGreen, true),
        song("flatLabel12", "杀  气:", kGreen, true),
        song("flatLabel14", "体  力:", kGreen, true),
        song("flatLabel20", "攻 击 力:", kGreen, true),
        song("flatLabel22", "伤 害 力:", kGreen, true),
        song("flatLabel24", "防    御:", kGreen, true),
        song("flatLabel26", "法术效果:", kGreen, true),
        band("sm"),
        band("fl"),
        band("sq", "0/0"),
        band("tl"),
        band("gjl"),
        band("shl"),
        band("fy"),
        band("fsxg"),
        song("flatLabel16", kCreditLine, kPurple),
        song("flatLabel2", "力量:", kBlue),
        song("flatLabel3", "体魄:", kBlue),
        song("flatLabel5", "元神:", kBlue),
        song("flatLabel7", "筋骨:", kBlue),
        song("flatLabel1", "可支配属性点:", kBlue),
        sans("Labll", "0", kMaroon, true),
        sans("Labtp", "0", kMaroon, true),
        sans("Labys", "0", kMaroon, true),
        sans("Labjg", "0", kMaroon, true),
        sans("sxd", "0", kMaroon, false),
        song("flatLabel9", "定身:", kPurple),
        song("flatLabel11", "迷惑:", kPurple),
        song("flatLabel13", "流失:", kPurple),
        song("flatLabel15", "削弱:", kPurple),
        song("flatLabel6", "可支配抗性点:", kPurple),
        sans("Labds", "0", sysColor(SysColor::ActiveCaption), true),
        sans("Labmh", "0", sysColor(SysColor::ActiveCaption), true),
        sans("Labls", "0", sysColor(SysColor::ActiveCaption), true),
        sans("Labxr", "0", sysColor(SysColor::ActiveCaption), true),
        sans("kxd", "0", sysColor(SysColor::ActiveCaption), false),
    };
    for (const Text& t : texts) checkText(t);
    // The number labels of the groups are bold, the free points under them regular.
    EXPECT_GT(inkWeight("Labll"), inkWeight("sxd") * 5 / 4);
    EXPECT_GT(inkWeight("Labds"), inkWeight("kxd") * 5 / 4);
    // The inner blanks line the colons up in each column; the group rows line up too.
    for (const auto& column :
         {std::vector<std::string>{"flatLabel4", "flatLabel8", "flatLabel12", "flatLabel14"},
          {"flatLabel20", "flatLabel22", "flatLabel24", "flatLabel26"},
          {"flatLabel2", "flatLabel3", "flatLabel5", "flatLabel7"},
          {"flatLabel9", "flatLabel11", "flatLabel13", "flatLabel15"}}) {
        const int right = drawnBox(column.front()).right;
        for (const std::string& name : column) EXPECT_EQ(drawnBox(name).right, right) << name;
    }
}

// The captions of the three frames, in their fonts and colours.
TEST_P(LayoutTexts, TheFramesCaptions) {
    const Text frames[] = {
        sans("flatGroupBox1", "基本属性", kMaroon, false),
        sans("flatGroupBox2", "抵抗能力", kRed, false),
        {"flatRadioGroup1", "软件说明:", "华文行楷", 16, false, kRed, true},
    };
    for (const Text& t : frames) {
        SCOPED_TRACE(t.name);
        if (t.name == std::string("flatRadioGroup1")) click(kNoticeTab);
        auto& box = form().control<TFlatGroupBox>(t.name);
        EXPECT_EQ(box.caption(), t.caption);
        const ResolvedStyle style = box.currentStyle();
        EXPECT_EQ(style.font.face, t.face);
        EXPECT_EQ(style.font.height, t.height);
        EXPECT_EQ(style.font.bold, t.bold);
        EXPECT_EQ(test::hex(style.textColor), test::hex(t.color));
        EXPECT_TRUE(box.transparent());
        const Rect caption = box.captionRect().translated(box.formRect().topLeft());
        EXPECT_LE(distanceToClosest(frame(), caption, t.color), 8);
    }
}

// The notice: eleven lines, numbered items at 47 and their continuations at 62, top to bottom.
TEST_P(LayoutTexts, TheNoticeLines) {
    struct Line {
        const char* name;
        int x;
        int y;
        const char* text;
    };
    const Line lines[] = {
        {"flatLabel17", 47, 44, "1.如大家所见,目前该版本还只是beta版.正在完善中."},
        {"flatLabel18", 47, 64, "2.在数据方面,可能会有误差,但是我保证这误差在你可接受"},
        {"flatLabel19", 62, 84, "的范围内."},
        {"flatLabel21", 47, 104, "3.软件的用途我想很明显,给大家一个自由模拟发展的机会,如"},
        {"flatLabel23", 62, 124, "果你认为商城的释丹比我这个更实在请自便."},
        {"flatLabel25", 47, 145, "4.在陆续的完善中,我会向软件中添加装备,法宝,侍宠,骑宠等"},
        {"flatLabel27", 62, 165, "一系列会影响角色属性的数据."},
        {"flatLabel28", 47, 185, "5.软件的更新和发布会第一时间在Qarno岚渊专区发布,请大家随"},
        {"flatLabel29", 62, 205, "时关注.若在不明网站下载该软件中毒,不要找我."},
        {"flatLabel30", 47, 225, "6.欢迎大家对软件提出意见和BUG.在允许条件下,我会尽量做好"},
        {"flatLabel31", 47, 246, "7.未尽事宜,会随版本的更新我会做进一步说明的."},
    };
    click(kNoticeTab);
    int previousBottom = 0;
    for (const Line& l : lines) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(label(l.name).parent()->name(), "skinImagePanel2");
        EXPECT_EQ(label(l.name).bounds().topLeft(), (Point{l.x, l.y}));
        checkText(song(l.name, l.text, kMaroon));
        const Rect ink = drawnBox(l.name);
        EXPECT_GT(ink.top, previousBottom);
        previousBottom = ink.bottom;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, LayoutTexts, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace lymn
