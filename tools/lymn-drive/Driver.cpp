#include "tools/lymn-drive/Driver.h"

#include <map>
#include <sstream>

#include "editors/TFlatDropDownList.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatSpinButton.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "platform/PngWriter.h"
#include "platform/Utf8.h"

namespace lymn::tools {

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool toInt(const std::string& s, int& out) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    out = std::stoi(s);
    return true;
}

Point centre(const Rect& r) {
    return {r.left + r.width() / 2, r.top + r.height() / 2};
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

}  // namespace

Driver::Driver(const std::filesystem::path& dir, std::ostream& out, std::ostream& err)
    : out_(out), err_(err) {
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
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') return true;
    const auto words = splitWords(line);
    bool ok = false;
    try {
        ok = command(words);
    } catch (const Error& e) {
        err_ << "lymn-drive: line " << line_ << ": " << e.what() << "\n";
        return false;
    }
    if (!ok) err_ << "lymn-drive: line " << line_ << ": not a command: " << line << "\n";
    application().processMessages();
    return ok;
}

void Driver::press(Form& f, Point p) {
    backend_.mouseMove(f.window().id(), p);
    backend_.mouseDown(f.window().id(), p);
    application().processMessages();
}

void Driver::release(Form& f, Point p) {
    backend_.mouseMove(f.window().id(), p);
    backend_.mouseUp(f.window().id(), p);
    application().processMessages();
}

void Driver::click(Form& f, Point p) {
    press(f, p);
    release(f, p);
}

void Driver::pick(const std::string& which, int index) {
    auto& box = form().control<TFlatImageComboBox>(which == "js" ? "ImageBoxJs" : "ImageBoxZy");
    if (!box.droppedDown()) click(form(), centre(box.formRect()));
    TFlatDropDownList* list = box.list();
    if (!list || !box.droppedDown()) throw Error("the list did not open");
    // Scroll with the scroll bar's arrows until the row shows.
    for (int guard = 0; list->rowRect(index).empty() && guard < 100; ++guard) {
        TFlatScrollBar& bar = *list->scrollBar();
        const Rect arrow = index < list->topIndex() ? bar.upArrow() : bar.downArrow();
        click(*list, centre(arrow.translated(bar.bounds().topLeft())));
    }
    const Point p = centre(list->rowRect(index));
    backend_.mouseMove(list->window().id(), p);
    application().processMessages();
    click(*list, p);
}

void Driver::focusRank() {
    auto& rank = form().control<TFlatTextEdit>("EdtRank");
    if (!rank.hasEditFocus()) click(form(), centre(rank.innerEdit().formRect()));
}

Point Driver::spinPoint(const std::string& which) {
    auto& spin = form().control<TFlatSpinButton>("flatSpinButton1");
    const Rect r = spin.buttonRect(which == "up" ? TFlatSpinButton::Button::Up
                                                 : TFlatSpinButton::Button::Down);
    return centre(r.translated(spin.formRect().topLeft()));
}

bool Driver::command(const std::vector<std::string>& w) {
    const std::string& c = w[0];
    const size_t n = w.size();
    int a = 0, b = 0;
    const uint32_t win = form().window().id();
    if (c == "pick" && n == 3 && (w[1] == "js" || w[1] == "zy") && toInt(w[2], a)) {
        const int count = w[1] == "js" ? 21 : 9;
        if (a >= count) return false;
        pick(w[1], a);
    } else if (c == "level" && n <= 2) {
        focusRank();
        backend_.setClipboardText(n == 2 ? w[1] : "");
        backend_.keyDown(win, Key('a'), mods::Ctrl);
        backend_.keyUp(win, Key('a'), mods::Ctrl);
        backend_.keyDown(win, Key('v'), mods::Ctrl);
        backend_.keyUp(win, Key('v'), mods::Ctrl);
    } else if (c == "type" && n == 2) {
        focusRank();
        backend_.keyDown(win, Key('a'), mods::Ctrl);
        backend_.keyUp(win, Key('a'), mods::Ctrl);
        application().processMessages();
        for (char32_t ch : utf8Decode(w[1])) {
            std::string s;
            utf8Append(s, ch);
            const Key k = ch < 127 ? Key(std::tolower(static_cast<int>(ch))) : Key::None;
            if (k != Key::None) backend_.keyDown(win, k);
            backend_.text(win, s);
            if (k != Key::None) backend_.keyUp(win, k);
            application().processMessages();
        }
    } else if (c == "backspace" && n == 1) {
        focusRank();
        backend_.keyDown(win, Key::End);
        backend_.keyUp(win, Key::End);
        backend_.keyDown(win, Key::Backspace);
        backend_.keyUp(win, Key::Backspace);
    } else if (c == "spin" && (n == 2 || n == 3) && (w[1] == "up" || w[1] == "down") &&
               (n == 2 || toInt(w[2], a))) {
        const int times = n == 3 ? a : 1;
        for (int i = 0; i < times; ++i) click(form(), spinPoint(w[1]));
    } else if (c == "hold" && n == 3 && (w[1] == "up" || w[1] == "down") && toInt(w[2], a)) {
        const Point p = spinPoint(w[1]);
        press(form(), p);
        application().runFor(a);
        release(form(), p);
    } else if (c == "click" && n == 2) {
        click(form(), centre(form().control(w[1]).formRect()));
    } else if ((c == "press" || c == "move" || c == "release") && n == 3 && toInt(w[1], a) &&
               toInt(w[2], b)) {
        if (c == "press")
            press(form(), {a, b});
        else if (c == "release")
            release(form(), {a, b});
        else
            backend_.mouseMove(win, {a, b});
    } else if (c == "key" && n == 2) {
        std::string name = w[1];
        unsigned modifiers = 0;
        for (auto [prefix, m] :
             {std::pair{"Shift+", mods::Shift}, {"Ctrl+", mods::Ctrl}, {"Alt+", mods::Alt}})
            if (name.rfind(prefix, 0) == 0 && name.size() > std::string(prefix).size()) {
                modifiers |= m;
                name = name.substr(std::string(prefix).size());
            }
        auto it = kKeys.find(name);
        if (it != kKeys.end()) {
            backend_.keyDown(win, it->second, modifiers);
            backend_.keyUp(win, it->second, modifiers);
        } else if (name.size() == 1 && name[0] > 32 && name[0] < 127) {
            const Key k = Key(std::tolower(static_cast<unsigned char>(name[0])));
            backend_.keyDown(win, k, modifiers);
            if (!(modifiers & (mods::Ctrl | mods::Alt))) backend_.text(win, name);
            backend_.keyUp(win, k, modifiers);
        } else {
            return false;
        }
    } else if (c == "wait" && n == 2 && toInt(w[1], a)) {
        application().runFor(a);
    } else if (c == "dump" && n == 1) {
        dump();
    } else if (c == "sheet" && n == 1) {
        sheet();
    } else if (c == "index" && n == 1) {
        out_ << "ImageBoxJs=" << form().controls().ImageBoxJs->ItemIndex() << "\n";
        out_ << "ImageBoxZy=" << form().controls().ImageBoxZy->ItemIndex() << "\n";
    } else if (c == "closed" && n == 1) {
        out_ << "closed=" << (form().closed() ? "yes" : "no") << "\n";
    } else if (c == "shot" && n == 2) {
        form().present();
        png::write(form().frame(), w[1]);
    } else {
        return false;
    }
    return true;
}

void Driver::dump() {
    out_ << "EdtRank=" << form().controls().EdtRank->text() << "\n";
    for (const char* name : {"Labll", "Labtp", "Labys", "Labjg", "sxd", "kxd", "Labds", "Labmh",
                             "Labls", "Labxr", "sm", "fl", "sq", "tl", "gjl", "shl", "fy", "fsxg"})
        out_ << name << "=" << form().control<TFlatLabel>(name).caption() << "\n";
}

void Driver::sheet() {
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
}

}  // namespace lymn::tools
