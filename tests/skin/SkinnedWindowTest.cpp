// What the skinned window fixes, pixel for pixel.
#include "platform/Error.h"
#include "skin/SliceDraw.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinForm.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"
#include "skin/TSkinTitleBar.h"
#include "skin/ThemeTable.h"
#include "tests/support/HeadlessApp.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

class SkinnedWindow : public test::ScaledWindowFixture {
  protected:
    Bitmap picture(const char* name) {
        Bitmap b;
        LoadThemeBitmap(b, name, scale());
        return b;
    }
};

TEST_P(SkinnedWindow, TheFrameSizesTheWindowAndDrawsItsBorder) {
    EXPECT_EQ(form().width(), 440);
    EXPECT_EQ(form().height(), 535);
    auto& frameControl = form().control<TSkinForm>("skinForm1");
    EXPECT_EQ(frameControl.bounds(), Rect::xywh(1, 0, 438, 534));
    EXPECT_EQ(form().minimumSize(), (Size{130, 50}));
    const Bitmap& f = frame();
    const Color grey = Color::rgb(0x7F7F7F);
    EXPECT_TRUE(test::allColor(f, {0, 0, 1, 535}, grey));
    EXPECT_TRUE(test::allColor(f, {439, 0, 440, 535}, grey));
    EXPECT_TRUE(test::allColor(f, {0, 534, 440, 535}, grey));
    // The top edge is the title bar's own grey top row.
    EXPECT_TRUE(test::allColor(f, {1, 0, 439, 1}, grey));
    // The page control fills the frame below the title bar.
    EXPECT_EQ(form().control("skinPageControl1").bounds(), Rect::xywh(0, 23, 438, 511));
    EXPECT_EQ(form().control("One").bounds(), Rect::xywh(0, 22, 438, 489));
    EXPECT_EQ(form().control("skinImagePanel1").bounds(), Rect::xywh(0, 0, 438, 489));
}

TEST_P(SkinnedWindow, TitleBarSectionsButtonsAndCaption) {
    auto& bar = form().control<TSkinForm>("skinForm1").TitleBar();
    EXPECT_EQ(bar.formRect(), Rect::xywh(1, 0, 438, 23));
    const Bitmap& f = frame();
    const Bitmap left = picture("PINSTRIPE_TITLE_LEFT"), right = picture("PINSTRIPE_TITLE_RIGHT");
    // Rows the caption and the buttons leave alone.
    for (int y : {0, 1, 2, 3, 21, 22}) {
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(f.color(1 + x, y), left.color(x, y)) << x << "," << y;
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(f.color(1 + 390 + x, y), right.color(x, y)) << x << "," << y;
    }
    // The right piece's shaded outer end is at the bar's right end, not inside.
    EXPECT_NE(f.color(1 + 437, 5), f.color(1 + 389, 5));
    EXPECT_EQ(bar.buttonRect(1), Rect::xywh(419, 4, 17, 17));  // close
    EXPECT_EQ(bar.buttonRect(2), Rect::xywh(401, 4, 17, 17));  // minimise
    EXPECT_EQ(bar.buttonRect(0), Rect::xywh(3, 4, 17, 17));    // control box
    const Bitmap close = picture("PINSTRIPE_TITLEBTN_CLOSE_NORMAL"),
                 min = picture("PINSTRIPE_TITLEBTN_MIN_NORMAL"),
                 box = picture("PINSTRIPE_TITLEBTN_CTLBOX_NORMAL");
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) {
            ASSERT_EQ(f.color(1 + 419 + x, 4 + y), close.color(x, y));
            ASSERT_EQ(f.color(1 + 401 + x, 4 + y), min.color(x, y));
            ASSERT_EQ(f.color(1 + 3 + x, 4 + y), box.color(x, y));
        }
    EXPECT_EQ(bar.captionOrigin().x, 25);
    EXPECT_EQ(bar.shownCaption(), "岚渊角色模拟器 beta0.1");
    EXPECT_EQ(bar.captionColor(), colors::black);
    // The caption's ink starts at x 25 of the bar and is black.
    Rect dark;
    for (int y = 4; y < 21; ++y)
        for (int x = 1 + 22; x < 1 + 398; ++x)
            if (f.color(x, y) == colors::black) dark = dark.united(Rect::xywh(x, y, 1, 1));
    EXPECT_GE(dark.left, 1 + 25);
    EXPECT_LE(dark.left, 1 + 27);
    EXPECT_LT(dark.right, 1 + 401);
}

TEST_P(SkinnedWindow, TabStripShowsTheSelectedTabLowerAndTheFramePatternAround) {
    auto& pages = form().control<TSkinPageControl>("skinPageControl1");
    EXPECT_EQ(pages.strip().height(), 22);
    EXPECT_EQ(pages.ActivePage()->name(), "One");
    // The two pages of the character and the notice come first; the program's own pages after.
    ASSERT_GE(pages.PageCount(), 2);
    const std::vector<std::string> tabs = pages.strip().Tabs();
    EXPECT_EQ(std::vector<std::string>(tabs.begin(), tabs.begin() + 2),
              (std::vector<std::string>{"角色模拟", "软件说明"}));
    const Bitmap& f = frame();
    const int sx = 1, sy = 23;  // the strip in the window
    // The line band: rows 17 to 21, borders at both ends.
    const uint32_t line[5] = {0x4E4EAF, 0x9B9BED, 0x9B9BED, 0x9B9BED, 0xD0D0D0};
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(f.color(sx + 300, sy + 17 + y), Color::rgb(line[y]));
        EXPECT_EQ(f.color(sx + 0, sy + 17 + y), colors::black);
        EXPECT_EQ(f.color(sx + 437, sy + 17 + y), colors::black);
    }
    // The selected tab at x 10, one pixel lower: its key corner shows the pattern behind it.
    const int w0 = pages.strip().tabWidth(0), w1 = pages.strip().tabWidth(1);
    EXPECT_EQ(pages.strip().tabRect(0), (Rect{10, 1, 10 + w0, 18}));
    EXPECT_EQ(pages.strip().tabRect(1), (Rect{10 + w0, 0, 10 + w0 + w1, 17}));
    EXPECT_EQ(f.color(sx + 10, sy + 5), Color::rgb(0x4E4EAF));
    EXPECT_EQ(f.color(sx + 10, sy + 1), f.color(sx + 300, sy + 1));  // key pixel: background
    EXPECT_EQ(f.color(sx + 10 + w0, sy + 5), Color::rgb(0x91A7B4));
    // Elsewhere the frame's pinstripe pattern, aligned to the frame.
    const uint32_t pattern[8] = {0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF,
                                 0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF};
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(f.color(sx + 300, sy + y), Color::rgb(pattern[(23 + y) % 8])) << y;
    // The tab captions' ink stays inside their tabs.
    const Rect captionInk =
        test::inkBox(f, Rect::xywh(sx + 10 + 4, sy + 3, w0 - 8, 13), Color::rgb(0x9C9CED));
    EXPECT_FALSE(captionInk.empty());
}

TEST_P(SkinnedWindow, TheTabWidthsFollowTheTabFontAtOnce) {
    auto& pages = form().control<TSkinPageControl>("skinPageControl1");
    const int before = pages.strip().tabWidth(0);
    FontSpec large = pages.font();
    large.height = 22;
    pages.setTabFont(large);
    // No paint in between: the widths are measured when the font changes.
    const int w0 = pages.strip().tabWidth(0);
    EXPECT_GT(w0, before + 10);
    EXPECT_EQ(w0, app().fonts().textWidth(large, "角色模拟") + 20);
    // The tab under a click is found with the new widths.
    const Rect tab1 = pages.strip().tabRect(1).translated(pages.strip().formRect().topLeft());
    EXPECT_EQ(tab1.left, pages.strip().formRect().left + 10 + w0);
    click({tab1.left + 2, tab1.top + 8});
    EXPECT_EQ(pages.ActivePage()->name(), "skinTabSheet2");
}

TEST_P(SkinnedWindow, TheLineUnderTheTabsFollowsTheStripsWidth) {
    auto& strip = form().control<TSkinPageControl>("skinPageControl1").strip();
    const uint32_t line[5] = {0x4E4EAF, 0x9B9BED, 0x9B9BED, 0x9B9BED, 0xD0D0D0};
    for (int width : {600, 300, 440}) {
        form().setSize(width, form().height());
        ASSERT_EQ(strip.width(), width - 2);
        const Bitmap& f = frame();
        const Point at = strip.formRect().topLeft();
        for (int y = 0; y < 5; ++y) {
            for (int x : {1, strip.width() / 2, strip.width() - 2})
                EXPECT_EQ(f.color(at.x + x, at.y + 17 + y), Color::rgb(line[y]))
                    << width << "," << x;
            EXPECT_EQ(f.color(at.x + strip.width() - 1, at.y + 17 + y), colors::black) << width;
        }
    }
}

TEST_P(SkinnedWindow, PicturePanelsShowTheTopLeftOfTheStripedPicture) {
    const Bitmap& f = frame();
    const uint32_t rows[4] = {0xEFEFEF, 0xE8E8E8, 0xEFEFEF, 0xFFFFFF};
    // An empty stretch of the character page: between the pickers and the group frames.
    for (int y = 62; y < 70; ++y) EXPECT_EQ(f.color(1 + 10, 45 + y), Color::rgb(rows[y % 4])) << y;
    // The last row of the panel is row 488 of the picture.
    EXPECT_EQ(f.color(1 + 5, 45 + 488), Color::rgb(rows[488 % 4]));
}

TEST_P(SkinnedWindow, TheSkinnedButtonsAreSlicedFromTheirPicture) {
    auto& button = form().control("skinButton1");
    EXPECT_EQ(button.width(), 80);
    EXPECT_EQ(button.height(), 23);
    const Rect r = button.formRect();
    const Bitmap& f = frame();
    Bitmap expected(80, 23);
    Canvas c(expected);
    SliceDraw(picture("PINSTRIPE_BUTTON_NORMAL"), c, {0, 0, 80, 23}, false);
    // The four corners are the picture's, away from the caption.
    for (auto [x, y] : {std::pair{0, 0}, {5, 3}, {79, 0}, {75, 22}, {0, 22}, {40, 1}})
        EXPECT_EQ(f.color(r.left + x, r.top + y), expected.color(x, y)) << x << "," << y;
}

TEST_P(SkinnedWindow, ClickingTheTabsSwitchesThePagesAndKeepsTheValues) {
    auto& pages = form().control<TSkinPageControl>("skinPageControl1");
    std::vector<int> activations;
    pages.OnTabActive = [&](Control&, int i) { activations.push_back(i); };
    const Rect tab1 = pages.strip().tabRect(1).translated(pages.strip().formRect().topLeft());
    click({tab1.left + 10, tab1.top + 8});
    EXPECT_EQ(pages.ActivePage()->name(), "skinTabSheet2");
    EXPECT_EQ(pages.strip().TabIndex(), 1);
    // The notice page is in front: the notice frame's caption shows where the character page
    // had the pickers.
    EXPECT_FALSE(form().control("flatRadioGroup1").formRect().empty());
    EXPECT_EQ(form().controlAt({60, 80}) ? form().controlAt({60, 80})->name() : "",
              "flatRadioGroup1");
    const Rect tab0 = pages.strip().tabRect(0).translated(pages.strip().formRect().topLeft());
    click({tab0.left + 10, tab0.top + 8});
    EXPECT_EQ(pages.ActivePage()->name(), "One");
    // Clicking the selected tab raises the activation again.
    click({tab0.left + 10, tab0.top + 8});
    EXPECT_EQ(activations, (std::vector<int>{1, 0, 0}));
    // The first pixel column of a tab and the strip's top row select nothing.
    click({tab1.left, tab1.top + 8});
    const Point strip = pages.strip().formRect().topLeft();
    click({tab1.left + 10, strip.y});
    EXPECT_EQ(pages.strip().TabIndex(), 0);
    EXPECT_EQ(activations.size(), 3u);
    // A click on the line band under the tabs neither.
    click({tab1.left + 10, strip.y + 19});
    EXPECT_EQ(pages.strip().TabIndex(), 0);
}

TEST_P(SkinnedWindow, TitleBarPressOnCloseReleaseOnMinimiseMinimises) {
    auto& bar = form().control<TSkinForm>("skinForm1").TitleBar();
    const Point close{1 + 427, 12}, min{1 + 409, 12};
    press(close);
    EXPECT_EQ(bar.hoverIndex(), 1);
    move(min);
    release(min);
    EXPECT_TRUE(form().minimized());
    EXPECT_FALSE(form().closed());
    // Press on close, release off every button: nothing.
    press(close);
    release({1 + 200, 12});
    EXPECT_FALSE(form().closed());
    // The control box changes its picture under the mouse, and does nothing when released.
    move({1 + 10, 12});
    EXPECT_EQ(bar.hoverIndex(), 0);
    const Bitmap hover = frame();
    Bitmap over;
    LoadThemeBitmap(over, "PINSTRIPE_TITLEBTN_CTLBOX_MOUSEON", scale());
    EXPECT_EQ(hover.color(1 + 3 + 8, 4 + 8), over.color(8, 8));
    click({1 + 10, 12});
    EXPECT_FALSE(form().closed());
    // A double click on the bar: no maximise button, nothing happens.
    press({1 + 200, 12}, 2);
    release({1 + 200, 12});
    EXPECT_EQ(form().width(), 440);
    // Close.
    click(close);
    EXPECT_TRUE(form().closed());
}

TEST_P(SkinnedWindow, TheTitleBarsHoveredButtonComesFromItsMouseEventsNotThePointer) {
    auto& bar = form().control<TSkinForm>("skinForm1").TitleBar();
    move({1 + 200, 12});  // the pointer over the empty bar
    // A move the bar is told of, over the close button, wherever the pointer is.
    bar.mouseMove({{427, 12}});
    EXPECT_EQ(bar.hoverIndex(), 1);
    const Bitmap over = picture("PINSTRIPE_TITLEBTN_CLOSE_MOUSEON");
    const Bitmap& f = frame();
    // The paint shows what the event said; it does not look at the pointer itself.
    EXPECT_EQ(bar.hoverIndex(), 1);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) ASSERT_EQ(f.color(1 + 419 + x, 4 + y), over.color(x, y));
    // Edges count as on the button; one pixel beyond does not.
    bar.mouseMove({{419 + 17, 4 + 17}});
    EXPECT_EQ(bar.hoverIndex(), 1);
    bar.mouseMove({{419 + 18, 4}});
    EXPECT_EQ(bar.hoverIndex(), -1);
    bar.mouseMove({{3, 4}});
    EXPECT_EQ(bar.hoverIndex(), 0);
    bar.mouseLeave();
    EXPECT_EQ(bar.hoverIndex(), -1);
}

TEST_P(SkinnedWindow, TheTitleBarIsLaidOutWhenWhatItDependsOnChangesNotWhenItPaints) {
    auto& frameControl = form().control<TSkinForm>("skinForm1");
    auto& bar = frameControl.TitleBar();
    frame();
    // No paint in between: every answer below comes from the change itself.
    bar.setButtonInterval(3);
    EXPECT_EQ(bar.buttonRect(1), Rect::xywh(416, 4, 17, 17));
    EXPECT_EQ(bar.buttonRect(2), Rect::xywh(395, 4, 17, 17));
    bar.setButtonInterval(0);
    bar.setRightBtnXOffset(-12);
    EXPECT_EQ(bar.buttonRect(1), Rect::xywh(409, 4, 17, 17));
    bar.setRightBtnXOffset(-2);
    bar.setLeftBtnXOffset(10);
    EXPECT_EQ(bar.buttonRect(0), Rect::xywh(10, 4, 17, 17));
    EXPECT_EQ(bar.captionOrigin().x, 32);
    bar.setLeftBtnXOffset(3);
    bar.Buttons()[1].Top = 6;
    EXPECT_EQ(bar.buttonRect(1), Rect::xywh(419, 6, 17, 17));
    bar.Buttons()[1].Top = 4;
    // A narrower window moves the right-hand buttons and cuts the caption that no longer fits.
    bar.mouseMove({{155, 12}});
    EXPECT_EQ(bar.hoverIndex(), -1);
    form().setSize(170, form().height());
    EXPECT_EQ(bar.width(), 168);
    EXPECT_EQ(bar.buttonRect(1), Rect::xywh(149, 4, 17, 17));
    // The button that came under the resting mouse is the hovered one.
    EXPECT_EQ(bar.hoverIndex(), 1);
    EXPECT_EQ(bar.shownCaption(), "岚...");
    // A caption that fits again is shown whole; a larger font or a longer caption is cut.
    form().setSize(440, form().height());
    EXPECT_EQ(bar.shownCaption(), "岚渊角色模拟器 beta0.1");
    const FontSpec normal = bar.font();
    FontSpec large = normal;
    large.height = 40;
    bar.setFont(large);
    EXPECT_EQ(bar.shownCaption(), "岚...");
    bar.setFont(normal);
    EXPECT_EQ(bar.shownCaption(), "岚渊角色模拟器 beta0.1");
    frameControl.setCaption("Ab" + std::string(80, 'c'));
    EXPECT_EQ(bar.shownCaption(), "Ab...");
}

TEST_P(SkinnedWindow, PressingTheEmptyTitleBarMovesTheWindow) {
    const Point before = form().position();
    press({1 + 200, 10});
    EXPECT_TRUE(form().tracking());
    move({1 + 260, 50});
    EXPECT_EQ(form().position(), (before + Point{60, 40}));
    release({1 + 260, 50});
    EXPECT_FALSE(form().tracking());
}

TEST_P(SkinnedWindow, TheSecondPressOfADoubleClickMovesTooAndAWindowManagerTakesTheMove) {
    const Point before = form().position();
    click({1 + 200, 10});
    press({1 + 200, 10}, 2);
    EXPECT_TRUE(form().tracking());
    move({1 + 230, 30});
    EXPECT_EQ(form().position(), (before + Point{30, 20}));
    release({1 + 230, 30});
    EXPECT_FALSE(form().tracking());
    EXPECT_EQ(form().width(), 440);

    // Where a window manager runs, the drag is its to make, from the point of the press.
    backend.setWindowManager(true);
    const Point at = form().position();
    press({1 + 200, 10});
    move({1 + 210, 15});
    const auto* window = backend.window(form().window().id());
    EXPECT_EQ(window->systemMoves(), 1);
    EXPECT_EQ(window->systemMoveStart(), (at + Point{1 + 200, 10}));
    EXPECT_EQ(form().position(), at);
    EXPECT_FALSE(form().tracking());
    // The title bar's buttons still work afterwards.
    click({1 + 427, 12});
    EXPECT_TRUE(form().closed());
}

TEST_P(SkinnedWindow, TheBorderResizesTheWindowWithinTheMinimums) {
    EXPECT_EQ(form().hitTest({0, 200}), HitTest::Left);
    EXPECT_EQ(form().hitTest({439, 200}), HitTest::Right);
    EXPECT_EQ(form().hitTest({200, 534}), HitTest::Bottom);
    EXPECT_EQ(form().hitTest({0, 534}), HitTest::BottomLeft);
    EXPECT_EQ(form().hitTest({439, 534}), HitTest::BottomRight);
    // Inside the five-pixel zone only the border pixels are the form's own.
    move({0, 300});
    EXPECT_EQ(backend.window(form().window().id())->cursor(), Cursor::SizeWE);
    move({439, 534});
    EXPECT_EQ(backend.window(form().window().id())->cursor(), Cursor::SizeNWSE);
    move({3, 300});
    EXPECT_EQ(backend.window(form().window().id())->cursor(), Cursor::Arrow);
    const int right = form().screenBounds().right;
    press({0, 300});
    move({500, 300});
    release({500, 300});
    EXPECT_EQ(form().width(), 130);
    EXPECT_EQ(form().screenBounds().right, right);
    press({60, form().height() - 1});
    move({60, -400});
    release({60, -400});
    EXPECT_EQ(form().height(), 50);
    // The frame follows the window.
    EXPECT_EQ(form().control("skinForm1").bounds(), Rect::xywh(1, 0, 128, 49));
}

TEST_P(SkinnedWindow, AnotherActiveWindowGreysTheCaption) {
    auto& bar = form().control<TSkinForm>("skinForm1").TitleBar();
    InputEvent e;
    e.type = InputEvent::Type::Deactivate;
    e.window = form().window().id();
    backend.inject(e);
    app().processMessages();
    EXPECT_FALSE(bar.FormActive());
    EXPECT_EQ(bar.captionColor(), sysColor(SysColor::InactiveCaption));
    e.type = InputEvent::Type::Activate;
    backend.inject(e);
    app().processMessages();
    EXPECT_EQ(bar.captionColor(), colors::black);
}

TEST_P(SkinnedWindow, ALongCaptionIsShortenedToItsFirstCharacter) {
    auto& frameControl = form().control<TSkinForm>("skinForm1");
    frameControl.setCaption(std::string("岚渊角色模拟器") + std::string(60, 'x'));
    frame();
    EXPECT_EQ(frameControl.TitleBar().shownCaption(), "岚...");
    frameControl.setCaption("Ab" + std::string(80, 'c'));
    frame();
    EXPECT_EQ(frameControl.TitleBar().shownCaption(), "Ab...");
    EXPECT_EQ(form().caption(), "Ab" + std::string(80, 'c'));
}

TEST(SkinForm, TheBodyIsThePatternOfPinstripeAndPearlAndTheColourOfTheOtherStyles) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(200, 150);
    auto& frameControl = f.add<TSkinForm>();
    f.show();
    // Below the title bar, where nothing covers the body; the pattern starts at the frame.
    auto expectBody = [&](const char* pattern, Color colour) {
        h.app.processMessages();
        const Rect body = frameControl.formRect();
        Bitmap p;
        if (pattern) LoadThemeBitmap(p, pattern);
        for (int y = 100; y < 110; ++y)
            for (int x = 20; x < 30; ++x) {
                const Color want =
                    pattern ? p.color((x - body.left) % 8, (y - body.top) % 8) : colour;
                ASSERT_EQ(f.frame().color(x, y), want) << x << "," << y;
            }
    };
    expectBody(nullptr, Color::rgb(0xE8E8E8));  // Navy
    frameControl.setUIStyle(TSkinUIStyle::Pinstripe);
    expectBody("PINSTRIPE_FORM_BACKGROUND", {});
    frameControl.setUIStyle(TSkinUIStyle::Pearl);
    expectBody("PEARL_FORM_BACKGROUND", {});
    frameControl.setUIStyle(TSkinUIStyle::Sky);
    expectBody(nullptr, Color::rgb(0xEFEBDE));
    // Custom keeps the colour it had.
    frameControl.setUIStyle(TSkinUIStyle::Custom);
    expectBody(nullptr, Color::rgb(0xEFEBDE));
}

TEST_P(SkinnedWindow, TheFrameRefusesASecondFrameAndItselfAsFormPanel) {
    try {
        form().add<TSkinForm>();
        ADD_FAILURE() << "a second frame was made";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Sorry, You can create only one TSkinForm component in one form!");
    }
    auto& frameControl = form().control<TSkinForm>("skinForm1");
    frameControl.setFormPanel(&frameControl);
    EXPECT_EQ(frameControl.FormPanel(), nullptr);
    EXPECT_EQ(boxes.back(), "Sorry, you can't select the Form assign to FormPanel property.");
    auto& bar = frameControl.TitleBar();
    TSkinTitleBarSection& extra = bar.Sections().add();
    bar.Sections().setAlign(extra, TSkinTitleBarAlign::skinClient);
    EXPECT_EQ(extra.Align(), TSkinTitleBarAlign::skinLeft);
    EXPECT_EQ(boxes.back(), "Sorry, only one section's Align property can be \"skinClient\"");
    TSkinTitleBarButton& b = bar.Buttons().add();
    bar.Buttons().setButtonType(b, TSkinTitleBarBtnType::skinControlBox);
    EXPECT_EQ(b.ButtonType(), TSkinTitleBarBtnType::skinCustom);
    EXPECT_EQ(boxes.back(),
              "Sorry, only one button's ButtonType property can be \"skinControlBox\"");
}

TEST_P(SkinnedWindow, StylesComeFromTheFrameAndStayWithEachControl) {
    EXPECT_EQ(GetSkinFormStyle(&form()), TSkinUIStyle::Pinstripe);
    Form plain(app());
    EXPECT_EQ(GetSkinFormStyle(&plain), TSkinUIStyle::Navy);
    EXPECT_EQ(GetSkinFormColor(&plain), sysColor(SysColor::ButtonFace));
    EXPECT_EQ(GetSkinFormColor(&form()), Color::rgb(0xE7E7E7));
    EXPECT_EQ(GetBorderColor(&form()), Color::rgb(0x7F7F7F));
    EXPECT_EQ(GetBorderColor(&plain), colors::black);
    auto& pages = form().control<TSkinPageControl>("skinPageControl1");
    EXPECT_EQ(pages.UIStyle(), TSkinUIStyle::Glass);
    EXPECT_EQ(form().control<TSkinButton>("skinButton1").UIStyle(), TSkinUIStyle::Pinstripe);
    // The page control's style chain stops at the pages: the panels keep the buttons' style.
    pages.setUIStyle(TSkinUIStyle::Sky);
    EXPECT_EQ(form().control<TSkinButton>("skinButton1").UIStyle(), TSkinUIStyle::Pinstripe);
    EXPECT_EQ(pages.color(), colors::white);
    EXPECT_EQ(pages.GetPage(0)->color(), colors::white);
}

INSTANTIATE_TEST_SUITE_P(Scales, SkinnedWindow, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace lymn
