// Text put into the level edit as a user does, pasted whole or typed key by key: arbitrary
// bytes, valid UTF-8 or not. Never a crash; the edit holds valid UTF-8; a pasted text that is
// not a number gives the conversion error; and every box the text gives fits the screen with
// its button.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "platform/Integers.h"
#include "platform/MessageBoxForm.h"
#include "platform/Utf8.h"
#include "tests/fuzz/FuzzedProgram.h"
#include "tools/lymn-drive/CommandLine.h"

namespace {

using namespace lymn;

// The box of each line the driver printed for one, built as the window would show it (its
// whole text, when shortened, goes to standard error: here to nothing).
void checkBoxes(Application& app, const std::string& printed) {
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        BoxKind kind = BoxKind::Message;
        if (line.rfind("error: ", 0) == 0)
            kind = BoxKind::Error;
        else if (line.rfind("box: ", 0) != 0)
            continue;
        const std::string text = line.substr(line.find(' ') + 1);
        const int saved = ::dup(2);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 2);
        ::close(null);
        MessageBoxForm box(app, kind, app.title(), text);
        ::dup2(saved, 2);
        ::close(saved);
        const Rect room = app.backend().workArea().inflated(-MessageBoxForm::kScreenMargin,
                                                            -MessageBoxForm::kScreenMargin);
        const Rect bounds =
            Rect::xywh(box.position().x, box.position().y, box.width(), box.height());
        if (bounds.intersected(room) != bounds) __builtin_trap();
        const Rect ok = box.okButton().bounds();
        if (ok.intersected(box.clientRect()) != ok || ok.top < box.textRect().bottom)
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    fuzz::FuzzedProgram& program = fuzz::FuzzedProgram::get();
    tools::Driver& driver = *program.driver;
    static const bool picked = driver.run("pick js 3") && driver.run("pick zy 2");
    if (!picked) __builtin_trap();
    // From a level the text differs from, so that its change runs the handler.
    driver.run("level 1");
    program.clean();
    const bool typed = data[0] & 1;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (typed && text.size() > 64) text.resize(64);
    // The driver's line holds the text as it stands, line breaks included; it types no text
    // of blanks alone.
    const std::string line = (typed ? "type " : "level ") + text;
    if (!driver.run(line) && !(typed && tools::CommandLine::read(line).words.size() < 2))
        __builtin_trap();
    const std::string shown = driver.form().controls().EdtRank->text();
    if (utf8Encode(utf8Decode(shown)) != shown) __builtin_trap();
    if (!typed) {
        try {
            strToInt(shown);
        } catch (const Error& e) {
            if (program.out.str().find(std::string("error: ") + e.what()) == std::string::npos)
                __builtin_trap();
        }
    }
    checkBoxes(driver.form().application(), program.out.str());
    program.clean();
    return 0;
}
