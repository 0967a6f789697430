#include "editors/EditValue.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "tests/editors/EditorFixture.h"

namespace lymn {
namespace {

using Fixture = test::EditorFixture;

TEST(EditValueTest, ExactEqualityNeedsTheSameKindAndValue) {
    EXPECT_TRUE(exactlyEqual(EditValue::null(), EditValue::null()));
    EXPECT_FALSE(exactlyEqual(EditValue::null(), EditValue("")));
    EXPECT_FALSE(exactlyEqual(EditValue(""), EditValue::null()));
    EXPECT_TRUE(exactlyEqual(EditValue("ab"), EditValue("ab")));
    EXPECT_FALSE(exactlyEqual(EditValue("ab"), EditValue("AB")));
    EXPECT_FALSE(exactlyEqual(EditValue("1"), EditValue("01")));
    EXPECT_EQ(EditValue::null().asText(), "");
    EXPECT_TRUE(EditValue::null().isNull());
    EXPECT_FALSE(EditValue("").isNull());
}

TEST_F(Fixture, AssigningTheSameTextRaisesNothingADifferentOneRaisesOnce) {
    auto& edit = form.add<TFlatTextEdit>();
    edit.properties().OnChange = [&](Control&) { log("change " + edit.text()); };
    edit.properties().OnEditValueChanged = [&](Control&) {
        log("value " + edit.editValue().asText());
    };
    show();
    edit.setText("1");
    edit.setText("1");
    edit.setText("01");
    // The change runs inside the assignment; the value follows after it, without a second change.
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "value 1", "change 01", "value 01"}));
    EXPECT_EQ(edit.editValue().asText(), "01");
    EXPECT_FALSE(edit.Modified);
}

TEST_F(Fixture, NothingIsRaisedWhileTheLayoutLoadsNorQueuedForAfterwards) {
    form.setLoading(true);
    auto& edit = form.add<TFlatTextEdit>();
    edit.properties().OnChange = [&](Control&) { log("change"); };
    edit.setText("1");
    auto& label = form.add<TFlatLabel>();
    label.properties().OnChange = [&](Control&) { log("label"); };
    label.setCaption("x");
    form.finishLoading();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(edit.text(), "1");
    EXPECT_EQ(edit.changeEventsCatcher().LockCount, 0);
    edit.setText("2");
    EXPECT_EQ(events, std::vector<std::string>{"change"});
}

TEST_F(Fixture, AnAssignmentInsideAnAssignmentIsNotAppliedButOneFromTypingIs) {
    auto& edit = form.add<TFlatTextEdit>();
    edit.properties().OnChange = [&](Control&) {
        log("change " + edit.text() + (edit.settingText() ? " (assigned)" : " (typed)"));
        if (edit.text() == "250")
            edit.setText("200");
        else if (edit.text() == "200")
            edit.setText("1");  // a correction that needs correcting
    };
    show();
    // A program assignment: the handler's own correction is ignored.
    edit.setText("250");
    EXPECT_EQ(edit.text(), "250");
    EXPECT_EQ(events, std::vector<std::string>{"change 250 (assigned)"});
    EXPECT_FALSE(edit.settingText());
    // Typed by the user: the correction applies and its own run is the assigned kind.
    events.clear();
    edit.innerEdit().setFocus();
    edit.innerEdit().selectAll();
    h.type(form, "7");
    EXPECT_TRUE(edit.Modified);
    EXPECT_TRUE(edit.ModifiedAfterEnter);
    edit.innerEdit().selectAll();
    edit.innerEdit().replaceSelection("250");
    EXPECT_EQ(edit.text(), "200");
    EXPECT_EQ(events, (std::vector<std::string>{"change 7 (typed)", "change 250 (typed)",
                                                "change 200 (assigned)"}));
    EXPECT_FALSE(edit.Modified);  // the last change was the program's
}

TEST_F(Fixture, AnErrorInTheHandlerLeavesTheTextAndTheNextChangeStillNotifies) {
    auto& edit = form.add<TFlatTextEdit>();
    int runs = 0;
    edit.properties().OnChange = [&](Control&) {
        ++runs;
        if (edit.text() == "bad") throw Error("'bad' is not a valid integer value");
    };
    show();
    EXPECT_THROW(edit.setText("bad"), Error);
    EXPECT_EQ(edit.text(), "bad");
    EXPECT_FALSE(edit.settingText());
    EXPECT_EQ(edit.changeEventsCatcher().LockCount, 0);
    edit.setText("good");
    EXPECT_EQ(runs, 2);
}

TEST_F(Fixture, LockedChangeEventsAreDeliveredOnceAtTheUnlockOrDropped) {
    auto& edit = form.add<TFlatTextEdit>();
    edit.properties().OnChange = [&](Control&) { log("change " + edit.text()); };
    show();
    edit.LockChangeEvents(true);
    edit.setText("a");
    edit.setText("b");
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(edit.changeEventsCatcher().PendingChange);
    edit.LockChangeEvents(false);
    EXPECT_EQ(events, std::vector<std::string>{"change b"});
    edit.LockChangeEvents(true);
    edit.setText("c");
    edit.LockChangeEvents(false, false);  // dropped
    EXPECT_EQ(events.size(), 1u);
    edit.LockChangeEvents(false);  // never below 0
    EXPECT_EQ(edit.changeEventsCatcher().LockCount, 0);
}

TEST_F(Fixture, LabelCaptionsAreTheModel) {
    auto& label = form.add<TFlatLabel>();
    label.setAutoSize(false);
    label.setBounds(10, 10, 49, 17);
    int changes = 0;
    label.properties().OnChange = [&](Control&) { ++changes; };
    show();
    label.setCaption("12");
    EXPECT_EQ(label.caption(), "12");
    EXPECT_EQ(label.editValue().kind(), EditValue::Kind::Text);
    EXPECT_EQ(label.editValue().asText(), "12");
    EXPECT_EQ(changes, 0);  // writing a caption raises no handler of the program
    h.app.processMessages();
    // Setting the caption it already shows repaints nothing.
    label.setCaption("12");
    EXPECT_FALSE(form.dirty());
    label.setCaption("13");
    EXPECT_TRUE(form.dirty());
    // A value set by the program becomes the caption.
    label.SetEditValue(EditValue("7"));
    EXPECT_EQ(label.caption(), "7");
}

TEST_F(Fixture, LabelsSizeThemselvesToTheirCaption) {
    auto& label = form.add<TFlatLabel>();
    label.setLeft(100);
    label.Style.font = FontSpec{"宋体", 13, false, colors::black};
    label.setCaption("力量:");
    show();
    const int w = label.width();
    EXPECT_EQ(w, h.app.fonts().textWidth({"宋体", 13}, "力量:") + 2 * TFlatLabel::kMarginX);
    EXPECT_EQ(label.height(),
              h.app.fonts().metrics({"宋体", 13}).height() + 2 * TFlatLabel::kMarginY);
    label.setCaption("");
    EXPECT_EQ(label.width(), h.app.fonts().textWidth({"宋体", 13}, " ") + 2 * TFlatLabel::kMarginX);
    // Right aligned: the right edge stays.
    label.labelProperties().Alignment = HAlign::Right;
    label.setCaption("力量:");
    const int right = label.left() + label.width();
    label.setCaption("可支配属性点:");
    EXPECT_EQ(label.left() + label.width(), right);
}

TEST_F(Fixture, StylesResolveTheirColoursByState) {
    auto& label = form.add<TFlatLabel>();
    label.Style.font = FontSpec{"宋体", 13, false, Color::rgb(0x0000FF)};
    show();
    EXPECT_EQ(label.currentStyle().textColor, Color::rgb(0x0000FF));  // the font colour
    label.Style.textColor = Color::rgb(0x800080);
    EXPECT_EQ(label.currentStyle().textColor, Color::rgb(0x800080));  // the text colour wins
    EXPECT_EQ(label.currentStyle().font.color, Color::rgb(0x800080));
    label.setEnabled(false);
    EXPECT_EQ(label.styleState(), StyleState::Disabled);
    EXPECT_EQ(label.currentStyle().textColor, sysColor(SysColor::ButtonShadow));
    // An edit's background is the window colour, a label's its parent's.
    auto& edit = form.add<TFlatTextEdit>();
    EXPECT_EQ(edit.currentStyle().color, sysColor(SysColor::Window));
    EXPECT_EQ(label.styleFor(StyleState::Normal).color, form.color());
    EXPECT_EQ(edit.styleFor(StyleState::Focused).borderStyle, EditBorderStyle::PlainFlat);
    edit.Style.borderStyle = EditBorderStyle::None;
    EXPECT_EQ(edit.styleFor(StyleState::Hot).borderStyle, EditBorderStyle::Flat);
    EXPECT_EQ(borderWidth(EditBorderStyle::Flat), 2);
}

}  // namespace
}  // namespace lymn
