// The window's layout: every control with its name, place, texts, fonts, colours, tab order and
// the handlers bound to its events.
#include <array>
#include <functional>

#include "app/Frmly.h"
#include "app/GrowthPage.h"
#include "app/LayoutControls.h"
#include "app/LayoutPictures.h"
#include "app/SavedBuildsPage.h"
#include "editors/TFlatButton.h"
#include "editors/TFlatGroupBox.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatSpinButton.h"
#include "editors/TFlatTextEdit.h"
#include "editors/TImage.h"
#include "sim/CodeTables.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinForm.h"
#include "skin/TSkinImagePanel.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"
#include "skin/ThemeTable.h"

namespace lymn {

namespace {

const Color kCaptionGreen = Color::rgb(0x008040);
const Color kMaroon = Color::rgb(0x800000);
const Color kPurple = Color::rgb(0x800080);
const Color kBlue = Color::rgb(0x0000FF);

FontSpec sans(bool bold = false) {
    return {"MS Sans Serif", 11, bold, sysColor(SysColor::WindowText)};
}

// A label of fixed size holding a number.
TFlatLabel& number(Control& parent, const char* name, int x, int y, int w, const FontSpec& font,
                   Color color, const std::string& text = "0") {
    auto& l = parent.add<TFlatLabel>();
    l.setName(name);
    l.setAutoSize(false);
    l.setBounds(x, y, w, 17);
    l.Style.font = font;
    l.Style.textColor = color;
    l.setTransparent(true);
    l.setCaption(text);
    return l;
}

// A number on a green band: its own background colour, white text.
TFlatLabel& band(Control& parent, const char* name, int x, int y, int w,
                 const std::string& text = "0") {
    auto& l = number(parent, name, x, y, w, sans(true), sysColor(SysColor::Window), text);
    l.setTransparent(false);
    l.Style.color = kCaptionGreen;
    return l;
}

// A point group's rows: a caption, its number, and the up and down buttons beside it; then the
// free points under them.
struct PointRow {
    const char* captionName;
    const char* caption;
    int y;
    const char* numberName;
    TFlatLabel** number;
    const char* up;
    const char* down;
    int buttonY;
    std::function<void(Control&)> upClick;
    std::function<void(Control&)> downClick;
};
struct FreePoints {
    const char* captionName;
    const char* caption;
    int captionX;
    const char* numberName;
    TFlatLabel** number;
    int numberX;
};
struct PointGroup {
    Color captionColor;
    Color numberColor;
    int numberWidth;
    std::array<PointRow, 4> rows;
    FreePoints free;
};

void fillPointGroup(TFlatGroupBox& group, const PointGroup& g) {
    int tab = 10;
    for (const PointRow& r : g.rows) {
        fieldLabel(group, r.captionName, 23, r.y, r.caption, song(), g.captionColor);
        *r.number = &number(group, r.numberName, 70, r.y, g.numberWidth, sans(true), g.numberColor);
        auto& up = group.add<TFlatButton>();
        up.setName(r.up);
        up.setBounds(146, r.buttonY, 23, 12);
        up.setGlyph(upGlyph(group.scale()));
        up.setTabOrder(tab++);
        up.onClick = r.upClick;
        auto& down = group.add<TFlatButton>();
        down.setName(r.down);
        down.setBounds(146, r.buttonY + 11, 23, 12);
        down.setGlyph(downGlyph(group.scale()));
        down.setTabOrder(tab++);
        down.onClick = r.downClick;
    }
    // The free points use the group frame's own font: regular, not bold.
    fieldLabel(group, g.free.captionName, g.free.captionX, 149, g.free.caption, song(),
               g.captionColor);
    *g.free.number =
        &number(group, g.free.numberName, g.free.numberX, 149, 49, sans(), g.numberColor);
}

}  // namespace

void TFormLy::CreateLayout() {
    setCaption("岚渊角色模拟器 beta0.1");
    setColor(sysColor(SysColor::ButtonFace));
    setFont(sans());

    // The skinned frame: border, title bar, and the size of the window around it.
    auto& frame = add<TSkinForm>();
    frame.setName("skinForm1");
    frame.setUIStyle(TSkinUIStyle::Pinstripe);
    frame.UIStyleAutoUpdateSub = false;
    frame.setBorderColor(Color::rgb(0x7F7F7F));
    frame.setBorderWidth(1);
    frame.setColor(Color::rgb(0xE7E7E7));
    frame.setCaption("岚渊角色模拟器 beta0.1");
    frame.MenuBarColor = Color::rgb(0xE7E7E7);
    frame.MenuBarHeight = 22;
    TSkinTitleBar& bar = frame.TitleBar();
    bar.setFont({"Tahoma", 11, true, colors::white});
    bar.setDrawAppIcon(false);
    TSkinTitleBarButtons& buttons = bar.Buttons();
    buttons.clear();
    for (auto type : {TSkinTitleBarBtnType::skinControlBox, TSkinTitleBarBtnType::skinClose,
                      TSkinTitleBarBtnType::skinMin}) {
        TSkinTitleBarButton& b = buttons.add(type);
        b.setUIStyle(TSkinUIStyle::Pinstripe);
        b.Top = 4;
        b.Transparent = false;
    }
    TSkinTitleBarSections& sections = bar.Sections();
    sections.clear();
    Bitmap picture;
    auto section = [&](const char* pictureName, TSkinTitleBarAlign align, int width,
                       bool autoSize) {
        TSkinTitleBarSection& s = sections.add();
        sections.setAlign(s, align);
        s.setWidth(width);
        s.setAutoSize(autoSize);
        s.setStretch(align == TSkinTitleBarAlign::skinClient);
        LoadThemeBitmap(picture, pictureName, scale());
        s.setPicture(picture);
    };
    section("PINSTRIPE_TITLE_LEFT", TSkinTitleBarAlign::skinLeft, 48, true);
    section("PINSTRIPE_TITLE_RIGHT", TSkinTitleBarAlign::skinRight, 48, true);
    section("PINSTRIPE_TITLE_CLIENT", TSkinTitleBarAlign::skinClient, 10, false);
    frame.SetWidth(438);
    frame.SetHeight(534);
    setMinimumSize({minimumSize().width, 50});

    // The page control with its two pages, a picture panel filling each.
    auto& pages = frame.add<TSkinPageControl>();
    pages.setName("skinPageControl1");
    pages.setAlign(Align::Client);
    pages.setUIStyle(TSkinUIStyle::Glass);
    pages.setLeftMargin(10);
    pages.setBorderColor(colors::black);
    pages.setColor(Color::rgb(0xE7E7E7));
    pages.setTabFont(sans());
    pages.setPageNames({"One", "skinTabSheet2", "BuildsSheet"});
    const auto background = std::make_shared<const Bitmap>(pageBackground(scale()));
    auto makePage = [&](const char* pageName, const char* caption,
                        const char* panelName) -> TSkinImagePanel& {
        auto& page = pages.add<TSkinTabSheet>();
        page.setName(pageName);
        page.setCaption(caption);
        page.setColor(Color::rgb(0xE7E7E7));
        auto& panel = page.add<TSkinImagePanel>();
        panel.setName(panelName);
        panel.setAlign(Align::Client);
        panel.setPicture(background);
        return panel;
    };
    TSkinImagePanel& character = makePage("One", "角色模拟", "skinImagePanel1");
    character.parent()->setFont({"MS Sans Serif", 11, false, colors::black});
    TSkinImagePanel& notice = makePage("skinTabSheet2", "软件说明", "skinImagePanel2");
    TSkinImagePanel& growth = makePage("skinTabSheet3", "成长曲线", "skinImagePanel3");
    TSkinImagePanel& builds = makePage("BuildsSheet", "我的方案", "BuildsPanel");
    pages.setActivePage(dynamic_cast<TSkinTabSheet*>(character.parent()));
    CreateCharacterPage(character);
    CreateNoticePage(notice);
    growthPage_ = &growth.add<GrowthPage>(*this);
    buildsPage_ = std::make_unique<SavedBuildsPage>(
        *this, dynamic_cast<TSkinTabSheet&>(*builds.parent()), builds);
}

void TFormLy::CreateCharacterPage(Control& panel) {
    sim::CharacterControls& c = controls_;
    loadImageList(imageList1_, "IMAGELIST1", 21, scale());
    loadImageList(imageList2_, "IMAGELIST2", 9, scale());
    auto& js = panel.add<TFlatImageComboBox>();
    js.setName("ImageBoxJs");
    js.setBounds(30, 25, 185, 34);
    js.setTabOrder(0);
    auto& jsp = js.comboProperties();
    jsp.Images = &imageList1_;
    for (const auto& item : sim::AppearanceTable)
        jsp.addItem(std::string(item.name),
                    item.code.empty() ? EditValue::null() : EditValue(std::string(item.code)),
                    item.imageIndex);
    jsp.OnChange = tracked(&TFormLy::ImageBoxJsPropertiesChange);
    c.ImageBoxJs = &js;

    auto& zy = panel.add<TFlatImageComboBox>();
    zy.setName("ImageBoxZy");
    zy.setBounds(222, 25, 185, 34);
    zy.setTabOrder(1);
    auto& zyp = zy.comboProperties();
    zyp.Images = &imageList2_;
    for (const auto& item : sim::ProfessionTable)
        zyp.addItem(std::string(item.name), EditValue(std::string(item.code)), item.imageIndex);
    zyp.OnChange = tracked(&TFormLy::ImageBoxZyPropertiesChange);
    zy.SetEditValue(EditValue("0"));
    c.ImageBoxZy = &zy;

    fieldLabel(panel, "flatLabel10", 145, 76, "等级:", song(), Color::rgb(0xDA7607));
    auto& rank = panel.add<TFlatTextEdit>();
    rank.setName("EdtRank");
    rank.setBounds(185, 75, 58, 21);
    rank.setTabOrder(2);
    rank.setText("1");
    rank.properties().OnChange = tracked(&TFormLy::EdtRankPropertiesChange);
    c.EdtRank = &rank;

    auto& spin = panel.add<TFlatSpinButton>();
    spin.setName("flatSpinButton1");
    spin.setBounds(243, 75, 21, 21);
    spin.setTabOrder(4);
    auto& sp = spin.spinProperties();
    sp.setMinValue(1);
    sp.setMaxValue(200);
    sp.Increment = 1;
    sp.LargeIncrement = 1;
    spin.Style.buttonStyle = SpinButtonStyle::Soft;
    spin.setValue(1);
    spin.setAssociate(&rank);

    auto& attributes = panel.add<TFlatGroupBox>();
    attributes.setName("flatGroupBox1");
    attributes.setBounds(30, 111, 185, 179);
    attributes.setTabOrder(5);
    attributes.Style.font = sans();
    attributes.Style.textColor = kMaroon;
    attributes.setTransparent(true);
    attributes.setCaption("基本属性");
    CreateAttributeGroup(attributes);

    auto& resistances = panel.add<TFlatGroupBox>();
    resistances.setName("flatGroupBox2");
    resistances.setBounds(222, 111, 185, 179);
    resistances.setTabOrder(6);
    resistances.Style.font = sans();
    resistances.Style.textColor = Color::rgb(0xFF0000);
    resistances.setTransparent(true);
    resistances.setCaption("抵抗能力");
    CreateResistanceGroup(resistances);

    const FontSpec boldSong = song(13, true);
    fieldLabel(panel, "flatLabel4", 30, 306, "生  命:", boldSong, kCaptionGreen);
    c.sm = &band(panel, "sm", 86, 306, 129);
    fieldLabel(panel, "flatLabel8", 30, 338, "法  力:", boldSong, kCaptionGreen);
    c.fl = &band(panel, "fl", 86, 338, 129);
    fieldLabel(panel, "flatLabel12", 30, 370, "杀  气:", boldSong, kCaptionGreen);
    c.sq = &band(panel, "sq", 86, 370, 129, "0/0");
    fieldLabel(panel, "flatLabel14", 30, 402, "体  力:", boldSong, kCaptionGreen);
    c.tl = &band(panel, "tl", 86, 402, 129);
    fieldLabel(panel, "flatLabel20", 222, 306, "攻 击 力:", boldSong, kCaptionGreen);
    c.gjl = &band(panel, "gjl", 296, 306, 109);
    fieldLabel(panel, "flatLabel22", 222, 338, "伤 害 力:", boldSong, kCaptionGreen);
    c.shl = &band(panel, "shl", 296, 338, 109);
    fieldLabel(panel, "flatLabel24", 222, 370, "防    御:", boldSong, kCaptionGreen);
    c.fy = &band(panel, "fy", 296, 370, 109);
    fieldLabel(panel, "flatLabel26", 222, 402, "法术效果:", boldSong, kCaptionGreen);
    c.fsxg = &band(panel, "fsxg", 296, 402, 109);

    auto makeButton = [&](const char* name, const char* text, int x, int tab) -> TSkinButton& {
        auto& b = pinstripeButton(panel, name, text, tab);
        b.setBounds(x, 433, 80, 23);
        return b;
    };
    auto& shot = makeButton("skinButton1", "截  图", 94, 15);
    auto& closeButton = makeButton("BtnClose", "关  闭", 262, 16);
    closeButton.onClick = [this](Control& s) { BtnCloseClick(s); };

    fieldLabel(panel, "flatLabel16", 97, 464, kCreditLine, song(), kPurple);

    shot.onClick = [this](Control& s) { skinButton1Click(s); };

    auto& pan = panel.add<TPanel>();
    pan.setName("Pan");
    pan.setBounds(274, 426, 161, 62);
    pan.setTabOrder(26);
    pan.setVisible(false);
    addLogo(pan, "Image2", 1, 1);
}

void TFormLy::addLogo(Control& parent, const char* name, int x, int y) {
    auto& logo = parent.add<TImage>();
    logo.setName(name);
    logo.setBounds(x, y, 160, 60);
    logo.setPicture(communityLogo(scale()));
    logo.setCursor(Cursor::Hand);
    logo.setHint(kLogoHint);
    logo.setShowHint(true);
    logo.onClick = [this](Control& s) { Image1Click(s); };
}

void TFormLy::CreateAttributeGroup(TFlatGroupBox& group) {
    sim::CharacterControls& c = controls_;
    const PointGroup spec{kBlue,
                          kMaroon,
                          75,
                          {{{"flatLabel2", "力量:", 20, "Labll", &c.Labll, "la", "ld", 17,
                             tracked(&TFormLy::laClick), tracked(&TFormLy::ldClick)},
                            {"flatLabel3", "体魄:", 54, "Labtp", &c.Labtp, "ta", "td", 51,
                             tracked(&TFormLy::taClick), tracked(&TFormLy::tdClick)},
                            {"flatLabel5", "元神:", 88, "Labys", &c.Labys, "ya", "yd", 85,
                             tracked(&TFormLy::yaClick), tracked(&TFormLy::ydClick)},
                            {"flatLabel7", "筋骨:", 123, "Labjg", &c.Labjg, "ja", "jd", 120,
                             tracked(&TFormLy::jaClick), tracked(&TFormLy::jdClick)}}},
                          {"flatLabel1", "可支配属性点:", 18, "sxd", &c.sxd, 110}};
    fillPointGroup(group, spec);
}

void TFormLy::CreateResistanceGroup(TFlatGroupBox& group) {
    sim::CharacterControls& c = controls_;
    const PointGroup spec{kPurple,
                          sysColor(SysColor::ActiveCaption),
                          49,
                          {{{"flatLabel9", "定身:", 20, "Labds", &c.Labds, "da", "dd", 17,
                             tracked(&TFormLy::daClick), tracked(&TFormLy::ddClick)},
                            {"flatLabel11", "迷惑:", 54, "Labmh", &c.Labmh, "ma", "md", 51,
                             tracked(&TFormLy::maClick), tracked(&TFormLy::mdClick)},
                            {"flatLabel13", "流失:", 88, "Labls", &c.Labls, "lsa", "lsd", 85,
                             tracked(&TFormLy::lsaClick), tracked(&TFormLy::lsdClick)},
                            {"flatLabel15", "削弱:", 123, "Labxr", &c.Labxr, "xa", "xd", 120,
                             tracked(&TFormLy::xaClick), tracked(&TFormLy::xdClick)}}},
                          {"flatLabel6", "可支配抗性点:", 23, "kxd", &c.kxd, 115}};
    fillPointGroup(group, spec);
}

void TFormLy::CreateNoticePage(Control& panel) {
    auto& frame = panel.add<TFlatRadioGroup>();
    frame.setName("flatRadioGroup1");
    frame.setBounds(21, 16, 401, 265);
    frame.setTabOrder(0);
    frame.Style.font = FontSpec{"华文行楷", 16, false, colors::black};
    frame.Style.textColor = Color::rgb(0xFF0000);
    frame.setTransparent(true);
    frame.setCaption("软件说明:");
    struct Line {
        const char* name;
        int x;
        int y;
        const char* text;
    };
    static constexpr Line kLines[] = {
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
    for (const Line& l : kLines) fieldLabel(panel, l.name, l.x, l.y, l.text, song(), kMaroon);
    addLogo(panel, "Image1", 144, 412);
}

}  // namespace lymn
