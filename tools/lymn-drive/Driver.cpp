#include "tools/lymn-drive/Driver.h"

#include <limits>
#include <map>
#include <string_view>

#include "app/GrowthPage.h"
#include "app/SavedBuildsPage.h"
#include "editors/TFlatDropDownList.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatListView.h"
#include "editors/TFlatSpinButton.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "platform/PngWriter.h"
#include "platform/Utf8.h"
#include "sim/BuildCode.h"
#include "sim/CodeTables.h"
#include "skin/TSkinPageControl.h"

namespace lymn::tools {

namespace {

bool toInt(const std::string& s, int& out) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    out = std::stoi(s);
    return true;
}

const std::map<std::string, Key> kKeys = {
    {"Up", Key::Up},
    {"Down", Key::Down},
    {"Left", Key::Left},
    {"Right", Key::Right},
    {"PageUp", Key::PageUp},
    {"PageDown", Key::PageDown},
    {"Home", Key::Home},
    {"End", Key::End},
    {"Tab", Key::Tab},
    {"Space", Key::Space},
    {"Enter", Key::Enter},
    {"Escape", Key::Escape},
    {"Backspace", Key::Backspace},
    {"Delete", Key::Delete},
    {"F4", Key::F4},
};

// The key that types a character, Key::None for one no key of ours types.
Key keyOf(char32_t ch) {
    return ch < 127 ? Key(std::tolower(static_cast<int>(ch))) : Key::None;
}

}  // namespace

Driver::Driver(const std::filesystem::path& dir, std::ostream& out, std::ostream& err, int scale)
    : backend_(Rect::xywh(0, 0, 1024, 768), scale), out_(out), err_(err) {
    program_ = std::make_unique<Program>(backend_, dir, [this](Application& app) {
        app.setBoxHandler([this](BoxKind kind, const std::string&, const std::string& text) {
            out_ << (kind == BoxKind::Error ? "error: " : "box: ") << text << "\n";
        });
    });
    if (!program_->form()) throw Error("the program did not start");
    program_->show();
}

Driver::~Driver() = default;

int Driver::runScript(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        ++line_;
        if (!run(line)) return 2;
    }
    return 0;
}

bool Driver::run(const std::string& raw) {
    const Line line = CommandLine::read(raw);
    if (line.empty()) return true;
    bool ok = false;
    try {
        ok = command(line);
    } catch (const Error& e) {
        err_ << "lymn-drive: line " << line_ << ": " << e.what() << "\n";
        return false;
    }
    if (!ok) {
        const bool cr = !raw.empty() && raw.back() == '\r';
        err_ << "lymn-drive: line " << line_
             << ": not a command: " << std::string_view(raw).substr(0, raw.size() - cr) << "\n";
    }
    application().processMessages();
    return ok;
}

bool Driver::command(const Line& line) {
    // Each command with the number of words its line may have, the command's own included.
    struct Entry {
        Command run;
        size_t minWords;
        size_t maxWords;
    };
    constexpr size_t kAny = std::numeric_limits<size_t>::max();
    static const std::map<std::string, Entry> kCommands = {
        {"pick", {&Driver::pick, 3, 3}},
        {"level", {&Driver::level, 1, kAny}},
        {"type", {&Driver::type, 2, kAny}},
        {"backspace", {&Driver::backspace, 1, 1}},
        {"spin", {&Driver::spin, 2, 3}},
        {"hold", {&Driver::hold, 3, 3}},
        {"click", {&Driver::click, 2, 2}},
        {"press", {&Driver::pointer, 3, 3}},
        {"move", {&Driver::pointer, 3, 3}},
        {"release", {&Driver::pointer, 3, 3}},
        {"key", {&Driver::key, 2, 2}},
        {"wait", {&Driver::wait, 2, 2}},
        {"dump", {&Driver::dump, 1, 1}},
        {"sheet", {&Driver::sheet, 1, 1}},
        {"index", {&Driver::index, 1, 1}},
        {"closed", {&Driver::closed, 1, 1}},
        // The growth page.
        {"table", {&Driver::table, 1, 1}},
        {"pin", {&Driver::pin, 1, 1}},
        {"unpin", {&Driver::unpin, 1, 1}},
        {"shot", {&Driver::shot, 2, 2}},
        {"code", {&Driver::code, 1, 1}},
        {"restore", {&Driver::restore, 1, kAny}},
        {"undo", {&Driver::undo, 1, 1}},
        {"redo", {&Driver::redo, 1, 1}},
        {"open", {&Driver::open, 1, kAny}},
        {"save", {&Driver::save, 1, kAny}},
        {"load", {&Driver::load, 1, kAny}},
        {"builds", {&Driver::builds, 1, 1}},
        {"tab", {&Driver::tab, 2, kAny}},
        {"name", {&Driver::name, 1, kAny}},
        {"select", {&Driver::select, 2, kAny}},
        {"rows", {&Driver::rows, 1, 1}},
        {"clipboard", {&Driver::clipboard, 1, kAny}},
    };
    const auto it = kCommands.find(line.words[0]);
    if (it == kCommands.end()) return false;
    const Entry& e = it->second;
    const size_t n = line.words.size();
    return n >= e.minWords && n <= e.maxWords && (this->*e.run)(line);
}

// pick js|zy INDEX: the item chosen from the picker's open list.
bool Driver::pick(const Line& line) {
    const auto& w = line.words;
    int index = 0;
    if ((w[1] != "js" && w[1] != "zy") || !toInt(w[2], index)) return false;
    const size_t count = w[1] == "js" ? sim::AppearanceTable.size() : sim::ProfessionTable.size();
    if (static_cast<size_t>(index) >= count) return false;
    openAndPick(w[1], index);
    return true;
}

void Driver::openAndPick(const std::string& which, int index) {
    auto& box = form().control<TFlatImageComboBox>(which == "js" ? "ImageBoxJs" : "ImageBoxZy");
    if (!box.droppedDown()) user_.click(form(), SimulatedUser::centre(box));
    TFlatDropDownList* list = box.list();
    if (!list || !box.droppedDown()) throw Error("the list did not open");
    // Scroll with the scroll bar's arrows until the row shows.
    for (int guard = 0; list->rowRect(index).empty() && guard < 100; ++guard) {
        TFlatScrollBar& bar = *list->scrollBar();
        const Rect arrow = index < list->topIndex() ? bar.upArrow() : bar.downArrow();
        user_.click(*list, SimulatedUser::centre(arrow.translated(bar.bounds().topLeft())));
    }
    const Point p = SimulatedUser::centre(list->rowRect(index));
    user_.move(*list, p);
    user_.click(*list, p);
}

// level TEXT: the level edit's whole text replaced by TEXT in one paste.
bool Driver::level(const Line& line) {
    focusRank();
    backend_.setClipboardText(line.text.value_or(""));
    selectAllOfRank();
    user_.key(form(), Key('v'), mods::Ctrl);
    return true;
}

// type TEXT: TEXT typed over the level edit's whole text, key by key.
bool Driver::type(const Line& line) {
    if (line.text->empty()) return false;
    focusRank();
    selectAllOfRank();
    for (char32_t ch : utf8Decode(*line.text)) {
        std::string s;
        utf8Append(s, ch);
        const Key k = keyOf(ch);
        if (k == Key::None)
            user_.type(form(), s);
        else
            user_.key(form(), k, 0, s);
    }
    return true;
}

bool Driver::backspace(const Line&) {
    focusRank();
    user_.key(form(), Key::End);
    user_.key(form(), Key::Backspace);
    return true;
}

// spin up|down [TIMES]
bool Driver::spin(const Line& line) {
    const auto& w = line.words;
    int times = 1;
    if ((w[1] != "up" && w[1] != "down") || (w.size() == 3 && !toInt(w[2], times))) return false;
    for (int i = 0; i < times; ++i) user_.click(form(), spinPoint(w[1]));
    return true;
}

// hold up|down MS: a spin button held down for MS milliseconds.
bool Driver::hold(const Line& line) {
    const auto& w = line.words;
    int ms = 0;
    if ((w[1] != "up" && w[1] != "down") || !toInt(w[2], ms)) return false;
    const Point p = spinPoint(w[1]);
    user_.press(form(), p);
    application().runFor(ms);
    user_.release(form(), p);
    return true;
}

// click NAME: a click on the centre of the control of that name.
bool Driver::click(const Line& line) {
    user_.click(form(), SimulatedUser::centre(form().control(line.words[1])));
    return true;
}

// press|move|release X Y, in window coordinates.
bool Driver::pointer(const Line& line) {
    const auto& w = line.words;
    Point p;
    if (!toInt(w[1], p.x) || !toInt(w[2], p.y)) return false;
    if (w[0] == "press")
        user_.press(form(), p);
    else if (w[0] == "release")
        user_.release(form(), p);
    else
        user_.move(form(), p);
    return true;
}

// key [Shift+][Ctrl+][Alt+]NAME: a named key, or a printable character's key.
bool Driver::key(const Line& line) {
    std::string name = line.words[1];
    unsigned modifiers = 0;
    for (auto [prefix, m] :
         {std::pair{"Shift+", mods::Shift}, {"Ctrl+", mods::Ctrl}, {"Alt+", mods::Alt}})
        if (name.rfind(prefix, 0) == 0 && name.size() > std::string(prefix).size()) {
            modifiers |= m;
            name = name.substr(std::string(prefix).size());
        }
    if (auto it = kKeys.find(name); it != kKeys.end()) {
        user_.key(form(), it->second, modifiers);
        return true;
    }
    if (name.size() != 1 || name[0] <= 32 || name[0] >= 127) return false;
    // With Ctrl or Alt held a key types nothing.
    const bool types = !(modifiers & (mods::Ctrl | mods::Alt));
    user_.key(form(), keyOf(static_cast<char32_t>(name[0])), modifiers, types ? name : "");
    return true;
}

bool Driver::wait(const Line& line) {
    int ms = 0;
    if (!toInt(line.words[1], ms)) return false;
    application().runFor(ms);
    return true;
}

bool Driver::dump(const Line&) {
    out_ << "EdtRank=" << form().controls().EdtRank->text() << "\n";
    for (const char* name : {"Labll", "Labtp", "Labys", "Labjg", "sxd", "kxd", "Labds", "Labmh",
                             "Labls", "Labxr", "sm", "fl", "sq", "tl", "gjl", "shl", "fy", "fsxg"})
        out_ << name << "=" << form().control<TFlatLabel>(name).caption() << "\n";
    return true;
}

bool Driver::sheet(const Line&) {
    const sim::CharacterSheet& s = form().Sheet;
    out_ << "ProfessionCode=" << s.ProfessionCode << "\nAppearanceCode=" << s.AppearanceCode
         << "\n";
    const std::pair<const char*, int32_t> numbers[] = {
        {"LevelLl", s.LevelLl},     {"LevelTp", s.LevelTp},      {"LevelYs", s.LevelYs},
        {"LevelJg", s.LevelJg},     {"CurLife", s.CurLife},      {"CurMana", s.CurMana},
        {"CurAttack", s.CurAttack}, {"BaseLl", s.BaseLl},        {"BaseTp", s.BaseTp},
        {"BaseYs", s.BaseYs},       {"BaseJg", s.BaseJg},        {"BaseLife", s.BaseLife},
        {"BaseMana", s.BaseMana},   {"BaseAttack", s.BaseAttack}};
    for (auto& [name, v] : numbers) out_ << name << "=" << v << "\n";
    return true;
}

bool Driver::index(const Line&) {
    out_ << "ImageBoxJs=" << form().controls().ImageBoxJs->ItemIndex() << "\n";
    out_ << "ImageBoxZy=" << form().controls().ImageBoxZy->ItemIndex() << "\n";
    return true;
}

bool Driver::closed(const Line&) {
    out_ << "closed=" << (form().closed() ? "yes" : "no") << "\n";
    return true;
}

// table: the growth page's table as CSV, the pinned build's columns after the current ones.
bool Driver::table(const Line&) {
    application().guarded([this] { out_ << form().growthPage().csv(); });
    return true;
}

// pin, unpin: the growth page's "对比" and "清除对比".
bool Driver::pin(const Line&) {
    return act([this] { form().growthPage().pin(); });
}

bool Driver::unpin(const Line&) {
    return act([this] { form().growthPage().unpin(); });
}

// shot FILE: the window's picture as a PNG file, at the window's scale.
bool Driver::shot(const Line& line) {
    form().present();
    png::write(form().frame(), line.words[1]);
    return true;
}

// Runs what a command does as a handler of the window runs (an error is its box), then what it
// caused.
bool Driver::act(const std::function<void()>& work) {
    application().guarded(work);
    application().processMessages();
    return true;
}

// code: the build the window shows, as its code.
bool Driver::code(const Line&) {
    application().guarded(
        [this] { out_ << "code: " << sim::BuildCode::encode(form().currentBuild()) << "\n"; });
    return true;
}

// restore CODE: the build of a code shown, as pasting it does (a refusal is its box).
bool Driver::restore(const Line& line) {
    const std::string text = line.text.value_or("");
    return act([this, &text] { form().restoreBuild(sim::BuildCode::decode(text)); });
}

// open FILE: the build a screenshot carries, as dropping the file onto the window opens it.
bool Driver::open(const Line& line) {
    backend_.dropFile(form().window().id(), line.text.value_or(""));
    application().processMessages();
    return true;
}

// save NAME, load NAME: the build shown saved under a name; a saved build shown again.
bool Driver::save(const Line& line) {
    const std::string name = line.text.value_or("");
    return act([this, &name] { form().saveBuild(name); });
}

bool Driver::load(const Line& line) {
    const std::string name = line.text.value_or("");
    return act([this, &name] { form().loadBuild(name); });
}

// builds: every saved build, newest first.
bool Driver::builds(const Line&) {
    application().guarded([this] {
        for (const store::SavedBuild& b : form().savedBuilds().list())
            out_ << "build: " << b.name << "|" << b.code << "\n";
    });
    return true;
}

// undo, redo: a step through the window's builds, as Ctrl+Z and Ctrl+Y take it.
bool Driver::undo(const Line&) {
    form().undo();
    application().processMessages();
    return true;
}

bool Driver::redo(const Line&) {
    form().redo();
    application().processMessages();
    return true;
}

// tab CAPTION, tab INDEX: a click on a tab of the page control (index 0 the character page).
bool Driver::tab(const Line& line) {
    auto& pages = form().control<TSkinPageControl>("skinPageControl1");
    const std::vector<std::string>& captions = pages.strip().Tabs();
    int index = static_cast<int>(std::find(captions.begin(), captions.end(), *line.text) -
                                 captions.begin());
    if (index == pages.PageCount() && (!toInt(line.words[1], index) || index >= pages.PageCount()))
        return false;
    TSkinTabControlTopPanel& strip = pages.strip();
    user_.click(form(),
                SimulatedUser::centre(strip.tabRect(index).translated(strip.formRect().topLeft())));
    return true;
}

// name TEXT: the build name edit's whole text replaced by TEXT in one paste.
bool Driver::name(const Line& line) {
    auto& edit = form().control<TFlatTextEdit>("EdtBuildName");
    if (!edit.showing()) throw Error("the builds page is not shown");
    if (!edit.hasEditFocus()) user_.click(form(), SimulatedUser::centre(edit.innerEdit()));
    backend_.setClipboardText(line.text.value_or(""));
    user_.key(form(), Key('a'), mods::Ctrl);
    user_.key(form(), Key('v'), mods::Ctrl);
    return true;
}

// select NAME: a click on the saved build's row, scrolled into view with the mouse wheel.
bool Driver::select(const Line& line) {
    auto& list = form().control<TFlatListView>("ListBuilds");
    if (!list.showing()) throw Error("the builds page is not shown");
    const auto& builds = form().buildsPage().builds();
    const auto it = std::find_if(builds.begin(), builds.end(),
                                 [&](const store::SavedBuild& b) { return b.name == *line.text; });
    if (it == builds.end()) throw Error("no saved build of that name in the list");
    const int index = static_cast<int>(it - builds.begin());
    user_.move(form(), SimulatedUser::centre(list));
    for (int guard = 0; list.rowRect(index).empty() && guard < 10000; ++guard) {
        backend_.wheel(form().window().id(), index < list.topIndex() ? 1 : -1);
        application().processMessages();
    }
    user_.click(form(),
                SimulatedUser::centre(list.rowRect(index).translated(list.formRect().topLeft())));
    return true;
}

// rows: the builds page's list as it shows it (name, level, portrait and emblem pictures), then
// what its status lines say.
bool Driver::rows(const Line&) {
    auto& list = form().control<TFlatListView>("ListBuilds");
    for (int i = 0; i < list.count(); ++i) {
        const TFlatListView::Row& r = list.row(i);
        out_ << "row: " << r[2].text << "|" << r[3].text << "|" << r[0].picture << "|"
             << r[1].picture << (i == list.itemIndex() ? " *" : "") << "\n";
    }
    out_ << "status: " << form().buildsPage().status() << "\n";
    return true;
}

// clipboard [TEXT]: TEXT put on the clipboard; without it, what the clipboard holds.
bool Driver::clipboard(const Line& line) {
    if (line.text)
        backend_.setClipboardText(*line.text);
    else
        out_ << "clipboard: " << backend_.clipboardText() << "\n";
    return true;
}

void Driver::focusRank() {
    auto& rank = form().control<TFlatTextEdit>("EdtRank");
    if (!rank.hasEditFocus())
        user_.click(form(), SimulatedUser::centre(rank.innerEdit().formRect()));
}

void Driver::selectAllOfRank() {
    user_.key(form(), Key('a'), mods::Ctrl);
}

Point Driver::spinPoint(const std::string& which) {
    auto& spin = form().control<TFlatSpinButton>("flatSpinButton1");
    const Rect r = spin.buttonRect(which == "up" ? TFlatSpinButton::Button::Up
                                                 : TFlatSpinButton::Button::Down);
    return SimulatedUser::centre(r.translated(spin.formRect().topLeft()));
}

}  // namespace lymn::tools
