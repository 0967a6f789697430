#include "editors/TFlatImageList.h"
#include "editors/TFlatListView.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

class ListView : public test::EditorFixture {
  protected:
    void SetUp() override {
        images.add(Bitmap(32, 32, Color::rgb(0x00C000)));
        list = &form.add<TFlatListView>();
        // Room for 8 rows of 34 under the header.
        list->setBounds(10, 10, 300, TFlatListView::kHeaderHeight + 3 + 8 * 34);
        list->setRowHeight(34);
        list->setColumns({{"图", 40, &images}, {"名字", 150}, {"等级", 0, nullptr, text::Right}});
        list->onChange = [this](Control&) { log("change " + std::to_string(list->itemIndex())); };
        list->onOpen = [this](Control&) { log("open " + std::to_string(list->itemIndex())); };
        show();
    }
    void fill(int n) {
        std::vector<TFlatListView::Row> rows;
        for (int i = 0; i < n; ++i)
            rows.push_back({{0, ""}, {-1, "方案" + std::to_string(i)}, {-1, "1"}});
        list->setRows(std::move(rows));
    }
    Point rowCentre(int i) {
        const Rect r = list->rowRect(i).translated(list->bounds().topLeft());
        return {r.left + r.width() / 2, r.top + r.height() / 2};
    }
    const Bitmap& frame() {
        form.present();
        return form.frame();
    }

    TFlatImageList images{32, 32};
    TFlatListView* list = nullptr;
};

TEST_F(ListView, ScrollsOnlyWhenTheRowsOutnumberTheRoomAndKeysMoveTheSelectionIntoView) {
    fill(8);
    EXPECT_EQ(list->visibleRows(), 8);
    EXPECT_FALSE(list->scrollBar().visible());
    EXPECT_FALSE(list->rowRect(7).empty());
    fill(1000);
    ASSERT_TRUE(list->scrollBar().visible());
    EXPECT_EQ(list->scrollBar().maximum(), 992);
    EXPECT_TRUE(list->rowRect(8).empty());
    EXPECT_EQ(list->rowAt({20, list->rowRect(3).top + 5}), 3);

    list->setFocus();
    h.key(form, Key::End);
    EXPECT_EQ(list->itemIndex(), 999);
    EXPECT_EQ(list->topIndex(), 992);
    EXPECT_EQ(list->scrollBar().position(), 992);
    h.key(form, Key::Down);  // stays on the last row, and says nothing
    h.key(form, Key::PageUp);
    EXPECT_EQ(list->itemIndex(), 992);
    h.key(form, Key::Up);
    EXPECT_EQ(list->itemIndex(), 991);
    EXPECT_EQ(list->topIndex(), 991);
    h.key(form, Key::Home);
    EXPECT_EQ(events,
              (std::vector<std::string>{"change 999", "change 992", "change 991", "change 0"}));

    // The wheel scrolls three rows a notch and stops at the ends; the selection stays.
    events.clear();
    h.move(form, rowCentre(0));
    h.backend.wheel(form.window().id(), -2);
    h.app.processMessages();
    EXPECT_EQ(list->topIndex(), 6);
    h.backend.wheel(form.window().id(), 5);
    h.app.processMessages();
    EXPECT_EQ(list->topIndex(), 0);
    EXPECT_TRUE(events.empty());

    // Fewer rows: a selection beyond them goes, the top comes back within them.
    list->setItemIndex(900);
    fill(20);
    EXPECT_EQ(list->itemIndex(), -1);
    EXPECT_EQ(list->topIndex(), 12);
    EXPECT_EQ(list->scrollBar().maximum(), 12);
}

TEST_F(ListView, AClickSelectsADoubleClickOrEnterOpens) {
    fill(3);
    h.click(form, rowCentre(1));
    EXPECT_TRUE(list->focused());
    h.click(form, rowCentre(1));  // the same row again: no change
    h.press(form, rowCentre(2), 2);
    h.release(form, rowCentre(2));
    h.key(form, Key::Enter);
    // Below the last row and on the header: nothing.
    h.click(form, {20, list->bounds().bottom - 5});
    h.click(form, {20, 15});
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "change 2", "open 2", "open 2"}));
    EXPECT_EQ(list->itemIndex(), 2);
}

TEST_F(ListView, PaintsTheSelectedRowLitThePicturesInTheirColumnAndNothingBelowTheRows) {
    fill(2);
    list->setItemIndex(1);
    const Bitmap& b = frame();
    const Rect row0 = list->rowRect(0).translated(list->bounds().topLeft());
    const Rect row1 = list->rowRect(1).translated(list->bounds().topLeft());
    // The picture: 32 x 32, centred in its 40-wide column and its row.
    EXPECT_EQ(test::countColor(b, row0, Color::rgb(0x00C000)), 32 * 32);
    EXPECT_TRUE(
        test::allColor(b, Rect::xywh(row0.left + 4, row0.top + 1, 32, 32), Color::rgb(0x00C000)));
    // The selected row: the highlight around its picture and text.
    EXPECT_GT(test::countColor(b, row1, sysColor(SysColor::Highlight)), row1.width() * 20);
    EXPECT_EQ(test::countColor(b, row0, sysColor(SysColor::Highlight)), 0);
    // The text of a row lies in its column: the name's ink starts after the picture column.
    const Rect ink = test::inkBox(b, Rect{row0.left + 40, row0.top, row0.right, row0.bottom},
                                  sysColor(SysColor::Window));
    EXPECT_FALSE(ink.empty());
    EXPECT_GE(ink.left, row0.left + 44);
    // Under the rows: the window colour only.
    const Rect below{row1.left, row1.bottom, row1.right, list->bounds().bottom - 1};
    EXPECT_TRUE(test::allColor(b, below, sysColor(SysColor::Window)));
}

}  // namespace
}  // namespace lymn
