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

class Window : public test::WindowFixture {
  protected:
    Rect formRectOf(const std::string& name) { return form().control(name).formRect(); }
    // A control's place relative to its parent.
    Rect bounds(const std::string& name) { return form().control(name).bounds(); }
};

TEST_F(Window, EveryControlOfTheCharacterPageIsWhereTheLayoutPutsIt) {
    struct Place {
        const char* name;
        Rect bounds;
    };
    const Place places[] = {
        {"ImageBoxJs", Rect::xywh(30, 25, 185, 34)},
        {"ImageBoxZy", Rect::xywh(222, 25, 185, 34)},
        {"EdtRank", Rect::xywh(185, 75, 58, 21)},
        {"flatSpinButton1", Rect::xywh(243, 75, 21, 21)},
        {"flatGroupBox1", Rect::xywh(30, 111, 185, 179)},
        {"flatGroupBox2", Rect::xywh(222, 111, 185, 179)},
        {"sm", Rect::xywh(86, 306, 129, 17)},
        {"fl", Rect::xywh(86, 338, 129, 17)},
        {"sq", Rect::xywh(86, 370, 129, 17)},
        {"tl", Rect::xywh(86, 402, 129, 17)},
        {"gjl", Rect::xywh(296, 306, 109, 17)},
        {"shl", Rect::xywh(296, 338, 109, 17)},
        {"fy", Rect::xywh(296, 370, 109, 17)},
        {"fsxg", Rect::xywh(296, 402, 109, 17)},
        {"skinButton1", Rect::xywh(94, 433, 80, 23)},
        {"BtnClose", Rect::xywh(262, 433, 80, 23)},
        {"Pan", Rect::xywh(274, 426, 161, 62)},
        {"Image2", Rect::xywh(1, 1, 160, 60)},
        {"Labll", Rect::xywh(70, 20, 75, 17)},
        {"Labtp", Rect::xywh(70, 54, 75, 17)},
        {"Labys", Rect::xywh(70, 88, 75, 17)},
        {"Labjg", Rect::xywh(70, 123, 75, 17)},
        {"sxd", Rect::xywh(110, 149, 49, 17)},
        {"Labds", Rect::xywh(70, 20, 49, 17)},
        {"Labxr", Rect::xywh(70, 123, 49, 17)},
        {"kxd", Rect::xywh(115, 149, 49, 17)},
        {"la", Rect::xywh(146, 17, 23, 12)},
        {"ld", Rect::xywh(146, 28, 23, 12)},
        {"ja", Rect::xywh(146, 120, 23, 12)},
        {"jd", Rect::xywh(146, 131, 23, 12)},
        {"xa", Rect::xywh(146, 120, 23, 12)},
        {"lsd", Rect::xywh(146, 96, 23, 12)},
        {"flatRadioGroup1", Rect::xywh(21, 16, 401, 265)},
        {"Image1", Rect::xywh(144, 412, 160, 60)},
    };
    for (const Place& p : places) EXPECT_EQ(bounds(p.name), p.bounds) << p.name;
    // Labels with automatic size start where the layout puts them.
    for (auto [name, x, y] : {std::tuple{"flatLabel10", 145, 76},
                              {"flatLabel4", 30, 306},
                              {"flatLabel26", 222, 402},
                              {"flatLabel2", 23, 20},
                              {"flatLabel6", 23, 149},
                              {"flatLabel16", 97, 464},
                              {"flatLabel17", 47, 44},
                              {"flatLabel31", 47, 246},
                              {"flatLabel29", 62, 205}})
        EXPECT_EQ(bounds(name).topLeft(), Point(x, y)) << name;
    EXPECT_FALSE(form().control("Pan").visible());
}

TEST_F(Window, AtStartThePickersShowTheirPlaceholdersWithTheLantern) {
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
        EXPECT_EQ(p.size(), Size(32, 32));
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

TEST_F(Window, TheNumberBandsAreGreenRectanglesWithWhiteText) {
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

TEST_F(Window, TheGlyphPicturesAndTheButtonsColoursPerState) {
    const Bitmap up = upGlyph(), down = downGlyph();
    EXPECT_EQ(up.size(), Size(17, 8));
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
    EXPECT_EQ(g.size(), Size(17, 8));
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

TEST_F(Window, TheGroupFramesCaptionInterruptsItsTopLine) {
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

TEST_F(Window, TheListOfAPickerHasEightRowsOf34) {
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

TEST_F(Window, TheLogoShowsTheHandTheHintAndOpensTheCommunityPage) {
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
    const Bitmap logoPicture = communityLogo();
    EXPECT_EQ(logoPicture.size(), Size(160, 60));
    const Rect r = form().control("Image1").formRect();
    EXPECT_EQ(frame().color(r.left + 80, r.top + 5), logoPicture.color(80, 5));
}

TEST_F(Window, AtStartTheAppearancePickerHoldsTheKeyboardAndTheFirstDownPicksFromIt) {
    EXPECT_EQ(form().focusedControl(), &form().control("ImageBoxJs"));
    EXPECT_EQ(backend.activeWindow(), form().window().id());
    backend.keyDown(form().window().id(), Key::Down);
    app().processMessages();
    EXPECT_EQ(form().Sheet.AppearanceCode, "wwl");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Window, TabMovesThroughTheControlsInTheLayoutsOrder) {
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
    EXPECT_EQ(backend.window(form().window().id())->icon().size(), Size(48, 48));
}

}  // namespace
}  // namespace lymn
