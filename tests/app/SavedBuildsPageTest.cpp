// The page of saved builds: saving, listing, loading, renaming, deleting, codes through the
// clipboard, and a store that cannot be written.
#include <regex>

#include "app/SavedBuildsPage.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatListView.h"
#include "editors/TFlatTextEdit.h"
#include "sim/BuildCode.h"
#include "sim/CodeTables.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

class SavedBuildsPageTest : public test::WindowFixture {
  protected:
    TSkinPageControl& pages() { return form().control<TSkinPageControl>("skinPageControl1"); }
    TFlatListView& list() { return form().control<TFlatListView>("ListBuilds"); }
    SavedBuildsPage& page() { return form().buildsPage(); }
    void openTab(int i) {
        TSkinTabControlTopPanel& strip = pages().strip();
        click(SimulatedUser::centre(strip.tabRect(i).translated(strip.formRect().topLeft())));
    }
    int activeTab() { return pages().ActivePage()->PageIndex(); }
    int buildsTab() { return form().control<TSkinTabSheet>("BuildsSheet").PageIndex(); }
    // A build made by the player's own picks and level on the character page.
    void make(int appearance, int profession, int level) {
        openTab(0);
        form().controls().ImageBoxJs->pick(appearance);
        form().controls().ImageBoxZy->pick(profession);
        form().controls().EdtRank->setText(std::to_string(level));
    }
    void typeName(const std::string& name) {
        click(SimulatedUser::centre(form().control<TFlatTextEdit>("EdtBuildName").innerEdit()));
        backend.setClipboardText(name);
        user.key(form(), Key('a'), mods::Ctrl);
        user.key(form(), Key('v'), mods::Ctrl);
    }
    void pressButton(const std::string& button) { click(centreOf(button)); }
    void saveAs(const std::string& name) {
        openTab(buildsTab());
        typeName(name);
        pressButton("BtnSaveBuild");
    }
    void selectRow(int i) {
        click(SimulatedUser::centre(list().rowRect(i).translated(list().formRect().topLeft())));
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (int i = 0; i < list().count(); ++i) out.push_back(list().row(i)[2].text);
        return out;
    }
    std::string shownCode() { return form().shownBuildCode().value_or("none"); }
};

TEST_F(SavedBuildsPageTest, SavedBuildsAreListedNewestFirstWithTheirPicturesLevelAndTime) {
    // After the two pages of the character and the notice.
    EXPECT_GE(buildsTab(), 2);
    EXPECT_EQ(pages().GetPage(buildsTab())->Caption(), "我的方案");
    openTab(buildsTab());
    EXPECT_EQ(activeTab(), buildsTab());
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(page().status(), "还没有存过方案.起个名字,点\"保存\"就存下了.");

    make(3, 2, 60);
    const std::string first = shownCode();
    saveAs("八字胡罗刹");
    make(5, 7, 120);
    saveAs("Second 二号");
    make(1, 1, 1);
    saveAs("三");
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    EXPECT_EQ(names(), (std::vector<std::string>{"三", "Second 二号", "八字胡罗刹"}));
    EXPECT_EQ(list().itemIndex(), 0);
    EXPECT_EQ(page().status(), "方案\"三\"存好了.");

    const TFlatListView::Row& row = list().row(2);
    EXPECT_EQ(row[0].picture, sim::AppearanceTable[3].imageIndex);
    EXPECT_EQ(row[1].picture, sim::ProfessionTable[2].imageIndex);
    EXPECT_EQ(row[3].text, "60");
    EXPECT_TRUE(std::regex_match(row[4].text, std::regex(R"(20\d\d-\d\d-\d\d \d\d:\d\d)")))
        << row[4].text;
    EXPECT_EQ(list().row(1)[3].text, "120");

    // Saving under a name that is there replaces that build and brings it to the top.
    make(3, 2, 61);
    saveAs("八字胡罗刹");
    EXPECT_EQ(names(), (std::vector<std::string>{"八字胡罗刹", "三", "Second 二号"}));
    EXPECT_EQ(list().row(0)[3].text, "61");
    EXPECT_NE(form().savedBuilds().find("八字胡罗刹")->code, first);

    // A name the store refuses: one box, nothing saved.
    saveAs("");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], std::string(store::buildTexts::kNameEmpty) + ".");
    EXPECT_EQ(list().count(), 3);

    // The page lists what the file holds when the window opens again.
    program.reset();
    program = startProgram(backend, dir, boxes);
    openTab(buildsTab());
    EXPECT_EQ(names(), (std::vector<std::string>{"八字胡罗刹", "三", "Second 二号"}));
}

TEST_F(SavedBuildsPageTest, LoadingShowsTheBuildOnTheCharacterPageAsTheClicksGaveIt) {
    make(3, 2, 60);
    form().laClick(form());
    form().daClick(form());
    const std::string code = shownCode();
    const std::string sm = form().controls().sm->caption();
    saveAs("一");
    make(7, 4, 100);
    saveAs("二");

    selectRow(1);
    EXPECT_EQ(form().control<TFlatTextEdit>("EdtBuildName").text(), "一");
    pressButton("BtnLoadBuild");
    EXPECT_EQ(activeTab(), 0);
    EXPECT_EQ(shownCode(), code);
    EXPECT_EQ(form().controls().sm->caption(), sm);

    // A double click loads too; so does Enter in the list. Ctrl+Z goes back to what was shown.
    openTab(buildsTab());
    const Rect r = list().rowRect(0).translated(list().formRect().topLeft());
    user.press(form(), SimulatedUser::centre(r), 2);
    user.release(form(), SimulatedUser::centre(r));
    EXPECT_EQ(activeTab(), 0);
    EXPECT_EQ(form().controls().ImageBoxZy->ItemIndex(), 4);
    user.key(form(), Key('z'), mods::Ctrl);
    EXPECT_EQ(shownCode(), code);
    openTab(buildsTab());
    selectRow(1);
    user.key(form(), Key::Enter);
    EXPECT_EQ(activeTab(), 0);
    EXPECT_EQ(shownCode(), code);

    // With nothing selected: a box, nothing changes.
    openTab(buildsTab());
    list().setItemIndex(-1);
    pressButton("BtnLoadBuild");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "伙计,先在列表里选一个方案.");
    EXPECT_EQ(activeTab(), buildsTab());
}

TEST_F(SavedBuildsPageTest, RenamingAndDeletingAskNoMoreThanTheyMust) {
    make(3, 2, 60);
    saveAs("一");
    saveAs("二");
    saveAs("三");
    selectRow(2);  // 一
    typeName("壹");
    pressButton("BtnRenameBuild");
    EXPECT_EQ(names(), (std::vector<std::string>{"壹", "三", "二"}));
    EXPECT_EQ(list().itemIndex(), 0);
    EXPECT_EQ(page().status(), "改好了,现在叫\"壹\".");
    // A name another build has: a box, nothing renamed.
    typeName("三");
    pressButton("BtnRenameBuild");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("三"), std::string::npos);
    EXPECT_EQ(names(), (std::vector<std::string>{"壹", "三", "二"}));

    // The first click on delete asks; another button, or another row, and it asks again.
    selectRow(1);
    pressButton("BtnDeleteBuild");
    EXPECT_EQ(list().count(), 3);
    EXPECT_EQ(page().status(), "再点一次\"删除\",方案\"三\"就删掉了.");
    pressButton("BtnCopyCode");
    pressButton("BtnDeleteBuild");
    EXPECT_EQ(list().count(), 3);
    selectRow(2);
    pressButton("BtnDeleteBuild");
    EXPECT_EQ(list().count(), 3);
    pressButton("BtnDeleteBuild");
    EXPECT_EQ(names(), (std::vector<std::string>{"壹", "三"}));
    EXPECT_EQ(page().status(), "方案\"二\"删掉了.");
    // The row after it stays selected (here the new last); Delete in the list asks and deletes.
    EXPECT_EQ(list().itemIndex(), 1);
    list().setFocus();
    user.key(form(), Key::Delete);
    user.key(form(), Key::Delete);
    EXPECT_EQ(names(), std::vector<std::string>{"壹"});
    EXPECT_FALSE(form().savedBuilds().find("三"));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(SavedBuildsPageTest, CodesGoThroughTheClipboardAndABadPasteChangesNothing) {
    make(3, 2, 60);
    const std::string code = shownCode();
    saveAs("一");
    // The selected build's code; with none selected, the shown build's.
    make(5, 5, 10);
    openTab(buildsTab());
    selectRow(0);
    pressButton("BtnCopyCode");
    EXPECT_EQ(backend.clipboardText(), code);
    list().setItemIndex(-1);
    pressButton("BtnCopyCode");
    EXPECT_EQ(backend.clipboardText(), shownCode());
    selectRow(0);
    backend.setClipboardText("");
    list().setFocus();
    user.key(form(), Key('c'), mods::Ctrl);
    EXPECT_EQ(backend.clipboardText(), code);

    // Pasting: a code with blanks around it, a link, and things that are neither.
    backend.setClipboardText("  " + code + "\n");
    pressButton("BtnPasteCode");
    EXPECT_EQ(activeTab(), 0);
    EXPECT_EQ(shownCode(), code);
    make(1, 1, 1);
    openTab(buildsTab());
    backend.setClipboardText("lymn://build/" + code);
    list().setFocus();
    user.key(form(), Key('v'), mods::Ctrl);
    EXPECT_EQ(shownCode(), code);
    EXPECT_TRUE(boxes.empty());

    make(5, 5, 10);
    const std::string before = shownCode();
    std::string badCheck = code;
    badCheck.back() = badCheck.back() == '0' ? '1' : '0';
    for (const std::string& bad :
         std::vector<std::string>{"", "hello", badCheck, "lymn://build/", "lymn://other/" + code}) {
        openTab(buildsTab());
        backend.setClipboardText(bad);
        pressButton("BtnPasteCode");
        EXPECT_EQ(shownCode(), before) << bad;
        EXPECT_EQ(activeTab(), buildsTab()) << bad;
    }
    EXPECT_EQ(boxes.size(), 5u);
}

TEST_F(SavedBuildsPageTest, AStoreThatCannotBeWrittenListsAndSaysWhy) {
    make(3, 2, 60);
    saveAs("一");
    program.reset();
    fs::permissions(dir / "builds.db", fs::perms::owner_read);
    program = startProgram(backend, dir, boxes);
    openTab(buildsTab());
    EXPECT_EQ(names(), std::vector<std::string>{"一"});
    const std::string why = form().savedBuilds().whyReadOnly();
    ASSERT_FALSE(why.empty());
    EXPECT_EQ(page().status(), why);
    // The reason reads on the status lines, broken where they are full.
    std::string shown;
    for (int i = 1; i <= SavedBuildsPage::kStatusLines; ++i)
        shown += form().control<TFlatLabel>("LabBuildStatus" + std::to_string(i)).caption();
    EXPECT_NE(shown.find("只读"), std::string::npos);
    saveAs("二");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], why);
    EXPECT_EQ(names(), std::vector<std::string>{"一"});
    // Loading still works.
    selectRow(0);
    pressButton("BtnLoadBuild");
    EXPECT_EQ(form().controls().EdtRank->text(), "60");
}

}  // namespace
}  // namespace lymn
