// The finished window: layout facts, pictures, colours, the logo and the hint.
#include "app/LayoutPictures.h"
#include "editors/TFlatButton.h"
#include "editors/TFlatDropDownList.h"
#include "editors/TFlatGroupBox.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatTextEdit.h"
#include "editors/TImage.h"
#include "platform/HintWindow.h"
#include "platform/Resources.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

class Window : public test::ScaledWindowFixture {
  protected:
    Rect formRectOf(const std::string& name) { return form().control(name).formRect(); }
    // A control's place relative to its parent.
    Rect bounds(const std::string& name) { return form().control(name).bounds(); }
};

// Every control of the layout in its parent, at its place and size; a size of 0 x 0 is the
// automatic size of a label, which only starts at its place.
TEST_P(Window, EveryControlIsWhereTheLayoutTablesPutIt) {
    struct Place {
        const char* name;
        const char* parent;
        Rect bounds;
    };
    const Place places[] = {
        {"skinForm1", "", Rect::xywh(1, 0, 438, 534)},
        {"skinPageControl1", "skinForm1", Rect::xywh(0, 23, 438, 511)},
        {"One", "skinPageControl1", Rect::xywh(0, 22, 438, 489)},
        {"skinTabSheet2", "skinPageControl1", Rect::xywh(0, 22, 438, 489)},
        {"skinImagePanel1", "One", Rect::xywh(0, 0, 438, 489)},
        {"skinImagePanel2", "skinTabSheet2", Rect::xywh(0, 0, 438, 489)},
        // The character page.
        {"ImageBoxJs", "skinImagePanel1", Rect::xywh(30, 25, 185, 34)},
        {"ImageBoxZy", "skinImagePanel1", Rect::xywh(222, 25, 185, 34)},
        {"flatLabel10", "skinImagePanel1", Rect::xywh(145, 76, 0, 0)},
        {"EdtRank", "skinImagePanel1", Rect::xywh(185, 75, 58, 21)},
        {"flatSpinButton1", "skinImagePanel1", Rect::xywh(243, 75, 21, 21)},
        {"flatGroupBox1", "skinImagePanel1", Rect::xywh(30, 111, 185, 179)},
        {"flatGroupBox2", "skinImagePanel1", Rect::xywh(222, 111, 185, 179)},
        {"flatLabel4", "skinImagePanel1", Rect::xywh(30, 306, 0, 0)},
        {"sm", "skinImagePanel1", Rect::xywh(86, 306, 129, 17)},
        {"flatLabel8", "skinImagePanel1", Rect::xywh(30, 338, 0, 0)},
        {"fl", "skinImagePanel1", Rect::xywh(86, 338, 129, 17)},
        {"flatLabel12", "skinImagePanel1", Rect::xywh(30, 370, 0, 0)},
        {"sq", "skinImagePanel1", Rect::xywh(86, 370, 129, 17)},
        {"flatLabel14", "skinImagePanel1", Rect::xywh(30, 402, 0, 0)},
        {"tl", "skinImagePanel1", Rect::xywh(86, 402, 129, 17)},
        {"flatLabel20", "skinImagePanel1", Rect::xywh(222, 306, 0, 0)},
        {"gjl", "skinImagePanel1", Rect::xywh(296, 306, 109, 17)},
        {"flatLabel22", "skinImagePanel1", Rect::xywh(222, 338, 0, 0)},
        {"shl", "skinImagePanel1", Rect::xywh(296, 338, 109, 17)},
        {"flatLabel24", "skinImagePanel1", Rect::xywh(222, 370, 0, 0)},
        {"fy", "skinImagePanel1", Rect::xywh(296, 370, 109, 17)},
        {"flatLabel26", "skinImagePanel1", Rect::xywh(222, 402, 0, 0)},
        {"fsxg", "skinImagePanel1", Rect::xywh(296, 402, 109, 17)},
        {"skinButton1", "skinImagePanel1", Rect::xywh(94, 433, 80, 23)},
        {"BtnClose", "skinImagePanel1", Rect::xywh(262, 433, 80, 23)},
        {"flatLabel16", "skinImagePanel1", Rect::xywh(97, 464, 0, 0)},
        {"Pan", "skinImagePanel1", Rect::xywh(274, 426, 161, 62)},
        {"Image2", "Pan", Rect::xywh(1, 1, 160, 60)},
        // The attribute group.
        {"flatLabel2", "flatGroupBox1", Rect::xywh(23, 20, 0, 0)},
        {"Labll", "flatGroupBox1", Rect::xywh(70, 20, 75, 17)},
        {"flatLabel3", "flatGroupBox1", Rect::xywh(23, 54, 0, 0)},
        {"Labtp", "flatGroupBox1", Rect::xywh(70, 54, 75, 17)},
        {"flatLabel5", "flatGroupBox1", Rect::xywh(23, 88, 0, 0)},
        {"Labys", "flatGroupBox1", Rect::xywh(70, 88, 75, 17)},
        {"flatLabel7", "flatGroupBox1", Rect::xywh(23, 123, 0, 0)},
        {"Labjg", "flatGroupBox1", Rect::xywh(70, 123, 75, 17)},
        {"flatLabel1", "flatGroupBox1", Rect::xywh(18, 149, 0, 0)},
        {"sxd", "flatGroupBox1", Rect::xywh(110, 149, 49, 17)},
        {"la", "flatGroupBox1", Rect::xywh(146, 17, 23, 12)},
        {"ld", "flatGroupBox1", Rect::xywh(146, 28, 23, 12)},
        {"ta", "flatGroupBox1", Rect::xywh(146, 51, 23, 12)},
        {"td", "flatGroupBox1", Rect::xywh(146, 62, 23, 12)},
        {"ya", "flatGroupBox1", Rect::xywh(146, 85, 23, 12)},
        {"yd", "flatGroupBox1", Rect::xywh(146, 96, 23, 12)},
        {"ja", "flatGroupBox1", Rect::xywh(146, 120, 23, 12)},
        {"jd", "flatGroupBox1", Rect::xywh(146, 131, 23, 12)},
        // The resistance group.
        {"flatLabel9", "flatGroupBox2", Rect::xywh(23, 20, 0, 0)},
        {"Labds", "flatGroupBox2", Rect::xywh(70, 20, 49, 17)},
        {"flatLabel11", "flatGroupBox2", Rect::xywh(23, 54, 0, 0)},
        {"Labmh", "flatGroupBox2", Rect::xywh(70, 54, 49, 17)},
        {"flatLabel13", "flatGroupBox2", Rect::xywh(23, 88, 0, 0)},
        {"Labls", "flatGroupBox2", Rect::xywh(70, 88, 49, 17)},
        {"flatLabel15", "flatGroupBox2", Rect::xywh(23, 123, 0, 0)},
        {"Labxr", "flatGroupBox2", Rect::xywh(70, 123, 49, 17)},
        {"flatLabel6", "flatGroupBox2", Rect::xywh(23, 149, 0, 0)},
        {"kxd", "flatGroupBox2", Rect::xywh(115, 149, 49, 17)},
        {"da", "flatGroupBox2", Rect::xywh(146, 17, 23, 12)},
        {"dd", "flatGroupBox2", Rect::xywh(146, 28, 23, 12)},
        {"ma", "flatGroupBox2", Rect::xywh(146, 51, 23, 12)},
        {"md", "flatGroupBox2", Rect::xywh(146, 62, 23, 12)},
        {"lsa", "flatGroupBox2", Rect::xywh(146, 85, 23, 12)},
        {"lsd", "flatGroupBox2", Rect::xywh(146, 96, 23, 12)},
        {"xa", "flatGroupBox2", Rect::xywh(146, 120, 23, 12)},
        {"xd", "flatGroupBox2", Rect::xywh(146, 131, 23, 12)},
        // The notice page.
        {"flatRadioGroup1", "skinImagePanel2", Rect::xywh(21, 16, 401, 265)},
        {"flatLabel17", "skinImagePanel2", Rect::xywh(47, 44, 0, 0)},
        {"flatLabel18", "skinImagePanel2", Rect::xywh(47, 64, 0, 0)},
        {"flatLabel19", "skinImagePanel2", Rect::xywh(62, 84, 0, 0)},
        {"flatLabel21", "skinImagePanel2", Rect::xywh(47, 104, 0, 0)},
        {"flatLabel23", "skinImagePanel2", Rect::xywh(62, 124, 0, 0)},
        {"flatLabel25", "skinImagePanel2", Rect::xywh(47, 145, 0, 0)},
        {"flatLabel27", "skinImagePanel2", Rect::xywh(62, 165, 0, 0)},
        {"flatLabel28", "skinImagePanel2", Rect::xywh(47, 185, 0, 0)},
        {"flatLabel29", "skinImagePanel2", Rect::xywh(62, 205, 0, 0)},
        {"flatLabel30", "skinImagePanel2", Rect::xywh(47, 225, 0, 0)},
        {"flatLabel31", "skinImagePanel2", Rect::xywh(47, 246, 0, 0)},
        {"Image1", "skinImagePanel2", Rect::xywh(144, 412, 160, 60)},
    };
    EXPECT_EQ(form().width(), 440);
    EXPECT_EQ(form().height(), 535);
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        const Control& c = form().control(p.name);
        EXPECT_EQ(c.parent() == &form() ? "" : c.parent()->name(), p.parent);
        if (p.bounds.width() == 0) {
            EXPECT_EQ(c.bounds().topLeft(), p.bounds.topLeft());
            EXPECT_FALSE(c.bounds().empty());
        } else {
            EXPECT_EQ(c.bounds(), p.bounds);
        }
    }
    EXPECT_FALSE(form().control("Pan").visible());
}

TEST_P(Window, AtStartThePickersShowTheirPlaceholdersWithTheLantern) {
    auto& js = form().control<TFlatImageComboBox>("ImageBoxJs");
    auto& zy = form().control<TFlatImageComboBox>("ImageBoxZy");
    EXPECT_EQ(js.ItemIndex(), 0);
    EXPECT_EQ(zy.ItemIndex(), 0);
    EXPECT_TRUE(js.editValue().isNull());
    EXPECT_EQ(zy.editValue().asText(), "0");
    EXPECT_EQ(form().flatImageList1().count(), 21);
    EXPECT_EQ(form().flatImageList2().count(), 9);
    const Bitmap& f = frame();
    const Bitmap& lantern = form().flatImageList1().picture(20);
    EXPECT_TRUE(lantern == form().flatImageList2().picture(0));
    for (auto* box : {&js, &zy}) {
        const Rect p = box->pictureRect().translated(box->formRect().topLeft());
        EXPECT_EQ(p.size(), (Size{32, 32}));
        for (int y = 0; y < 32; y += 3)
            for (int x = 0; x < 32; x += 3)
                ASSERT_EQ(f.color(p.left + x, p.top + y), lantern.color(x, y));
        // The placeholder's description beside it.
        const Rect t = box->textRect().translated(box->formRect().topLeft());
        EXPECT_FALSE(test::inkBox(f, t, sysColor(SysColor::Window)).empty());
    }
    // Every picture is 32 x 32 and opaque; each portrait has its frame.
    for (int i = 0; i < 20; ++i) {
        const Bitmap& p = form().flatImageList1().picture(i);
        EXPECT_EQ(p.color(0, 0), Color::rgb(0x6B4A1E)) << i;
        EXPECT_EQ(p.color(16, 1), Color::rgb(0xE8C25A)) << i;
        for (uint32_t px : p.pixels()) ASSERT_EQ(px >> 24, 0xFFu);
    }
    // The stored form: a 4-byte length, then a 32-bit bitmap file.
    const auto& stored = form().flatImageList2().stored(3);
    EXPECT_EQ(stored[4], 'B');
    EXPECT_EQ(stored[5], 'M');
    EXPECT_EQ(stored[4 + 28], 32);
    EXPECT_EQ(stored.size() - 4, stored[0] | (stored[1] << 8) | (stored[2] << 16));
}

TEST_P(Window, TheNumberBandsAreGreenRectanglesWithWhiteText) {
    const Bitmap& f = frame();
    for (const char* name : {"sm", "fl", "sq", "tl", "gjl", "shl", "fy", "fsxg"}) {
        const Rect r = formRectOf(name);
        const int green = test::countColor(f, r, Color::rgb(0x008040));
        const int white = test::countColor(f, r, colors::white);
        EXPECT_GT(green, r.width() * r.height() * 8 / 10) << name;
        EXPECT_GT(white, 5) << name;  // its caption
        // Outside the band: the page background.
        EXPECT_NE(f.color(r.right, r.top + 8), Color::rgb(0x008040)) << name;
        EXPECT_NE(f.color(r.left - 1, r.top + 8), Color::rgb(0x008040)) << name;
    }
    // Transparent labels show the striped background around their text.
    const Rect ll = formRectOf("Labll");
    EXPECT_GT(test::countColor(f, ll, Color::rgb(0xEFEFEF)), 100);
    EXPECT_GT(test::countColor(f, ll, Color::rgb(0x800000)), 3);
}

TEST_P(Window, TheGlyphPicturesAndTheButtonsColoursPerState) {
    const Bitmap up = upGlyph(), down = downGlyph();
    EXPECT_EQ(up.size(), (Size{17, 8}));
    EXPECT_EQ(up.color(8, 2), colors::black);
    EXPECT_EQ(up.color(7, 2), Color::rgb(0x9EBEF5));
    EXPECT_EQ(up.color(6, 4), colors::black);
    EXPECT_EQ(up.color(10, 4), colors::black);
    EXPECT_EQ(up.color(5, 4), Color::rgb(0x9EBEF5));
    for (int x = 0; x < 17; ++x) {
        EXPECT_EQ(up.color(x, 0), colors::white);
        EXPECT_EQ(up.color(x, 7), colors::white);
        EXPECT_EQ(down.color(x, 0), colors::white);
    }
    EXPECT_EQ(down.color(0, 7), colors::white);
    EXPECT_EQ(down.color(16, 7), colors::white);
    EXPECT_EQ(down.color(8, 7), Color::rgb(0x9EBEF5));
    EXPECT_EQ(down.color(8, 5), colors::black);
    EXPECT_EQ(down.color(6, 3), colors::black);
    EXPECT_EQ(down.color(7, 5), Color::rgb(0x9EBEF5));
    EXPECT_EQ(up.color(0, 3), colors::white);
    // On the buttons: the white border is left out, the glyph centred.
    auto& la = form().control<TFlatButton>("la");
    const Rect r = la.formRect();
    const Rect g = la.glyphRect().translated(r.topLeft());
    const Bitmap& f = frame();
    EXPECT_EQ(g.size(), (Size{17, 8}));
    EXPECT_EQ(f.color(g.left + 8, g.top + 2), colors::black);
    EXPECT_EQ(f.color(g.left, g.top + 3), sysColor(SysColor::ButtonFace));  // border left out
    EXPECT_EQ(f.color(r.left, r.top), sysColor(SysColor::ButtonText));      // the normal frame
    EXPECT_EQ(f.color(r.left + 1, r.top + 1), sysColor(SysColor::ButtonFace));
    const Point centre{r.left + 2, r.top + 2};
    move(centre);
    EXPECT_EQ(frame().color(r.left + 1, r.top + 1), Color::rgb(0xB7BFD4));
    EXPECT_EQ(frame().color(r.left, r.top), sysColor(SysColor::Highlight));
    press(centre);
    EXPECT_EQ(frame().color(r.left + 1, r.top + 1), Color::rgb(0x8893B1));
    EXPECT_EQ(frame().color(g.left + 8, g.top + 2), colors::black);  // the glyph does not move
    release(centre);
    move({5, 300});
    // Focused now: the default look, a 2-pixel frame in the window-frame colour.
    EXPECT_EQ(frame().color(r.left + 1, r.top + 1), sysColor(SysColor::WindowFrame));
}

TEST_P(Window, TheGroupFramesCaptionInterruptsItsTopLine) {
    auto& group = form().control<TFlatGroupBox>("flatGroupBox1");
    const Rect r = group.formRect();
    const int top = r.top + group.frameTop();
    EXPECT_EQ(group.frameTop(), 6);
    const Rect cap = group.captionRect().translated(r.topLeft());
    EXPECT_EQ(cap.left, r.left + 7);
    const Bitmap& f = frame();
    const Color line = sysColor(SysColor::Highlight);
    for (int x = r.left; x < cap.left; ++x) EXPECT_EQ(f.color(x, top), line) << x;
    for (int x = cap.left; x < cap.right; ++x) EXPECT_NE(f.color(x, top), line) << x;
    for (int x = cap.right; x < r.right; ++x) EXPECT_EQ(f.color(x, top), line) << x;
    for (int y = top; y < r.bottom; ++y) EXPECT_EQ(f.color(r.left, y), line);
    // The caption in its colour.
    EXPECT_GT(test::countColor(f, cap, Color::rgb(0x800000)), 10);
}

TEST_P(Window, TheListOfAPickerHasEightRowsOf34) {
    click(centreOf("ImageBoxJs"));
    auto& box = form().control<TFlatImageComboBox>("ImageBoxJs");
    ASSERT_TRUE(box.droppedDown());
    TFlatDropDownList& list = *box.list();
    EXPECT_EQ(list.visibleRows(), 8);
    EXPECT_EQ(list.rowHeight(), 34);
    EXPECT_EQ(list.height(), 8 * 34 + 2);
    EXPECT_EQ(list.width(), 185);
    EXPECT_TRUE(list.scrollBar()->visible());
    EXPECT_EQ(list.scrollBar()->width(), 17);
    EXPECT_EQ(list.highlighted(), 0);
    list.present();
    // The highlighted row in the highlight colour, the portrait of the next row beside it.
    EXPECT_EQ(list.frame().color(100, list.rowRect(0).top + 2), sysColor(SysColor::Highlight));
    EXPECT_EQ(list.frame().color(1 + 2 + 1, list.rowRect(1).top + 1), Color::rgb(0x6B4A1E));
}

TEST_P(Window, TheLogoShowsTheHandTheHintAndOpensTheCommunityPage) {
    std::vector<std::string> opened;
    form().shellOpen = [&](const std::string& a) { opened.push_back(a); };
    // The notice page.
    click({1 + 90, 23 + 8});
    const Point logo = centreOf("Image1");
    move(logo);
    EXPECT_EQ(backend.window(form().window().id())->cursor(), Cursor::Hand);
    EXPECT_FALSE(form().hintShown());
    app().runFor(400);
    EXPECT_FALSE(form().hintShown());
    app().runFor(200);
    ASSERT_TRUE(form().hintShown());
    EXPECT_EQ(form().hintWindow()->text(), "点我立刻进入岚渊Qarno专区");
    const std::string before = form().controls().EdtRank->text();
    click(logo);
    EXPECT_FALSE(form().hintShown());
    EXPECT_EQ(opened, std::vector<std::string>{kCommunityAddress});
    EXPECT_EQ(form().controls().EdtRank->text(), before);
    // The logo is the JPEG of the resources, centred.
    const Bitmap logoPicture = communityLogo(scale());
    EXPECT_EQ(logoPicture.size(), (Size{160, 60}));
    const Rect r = form().control("Image1").formRect();
    EXPECT_EQ(frame().color(r.left + 80, r.top + 5), logoPicture.color(80, 5));
}

TEST_P(Window, AtStartTheAppearancePickerHoldsTheKeyboardAndTheFirstDownPicksFromIt) {
    EXPECT_EQ(form().focusedControl(), &form().control("ImageBoxJs"));
    EXPECT_EQ(backend.activeWindow(), form().window().id());
    backend.keyDown(form().window().id(), Key::Down);
    app().processMessages();
    EXPECT_EQ(form().Sheet.AppearanceCode, "wwl");
    EXPECT_TRUE(boxes.empty());
}

TEST_P(Window, TabMovesThroughTheControlsInTheLayoutsOrder) {
    std::vector<std::string> order;
    for (Control* c : form().tabOrderList()) order.push_back(c->name());
    EXPECT_EQ(order,
              (std::vector<std::string>{"ImageBoxJs", "ImageBoxZy",  "EdtRank", "la",  "ld",  "ta",
                                        "td",         "ya",          "yd",      "ja",  "jd",  "da",
                                        "dd",         "ma",          "md",      "lsa", "lsd", "xa",
                                        "xd",         "skinButton1", "BtnClose"}));
    // On the notice page only its frame takes the focus.
    click({1 + 90, 23 + 8});
    order.clear();
    for (Control* c : form().tabOrderList()) order.push_back(c->name());
    EXPECT_EQ(order, std::vector<std::string>{"flatRadioGroup1"});
    // The window's icon is the program's.
    EXPECT_EQ(backend.window(form().window().id())->icon().size(), (Size{48, 48}));
}

INSTANTIATE_TEST_SUITE_P(Scales, Window, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace lymn
