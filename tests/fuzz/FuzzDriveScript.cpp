// Arbitrary bytes as a driver script. Every line is read as a command line and run on the
// program, never crashing either: a run ends with status 0, or with status 2 and the message of
// the line it stopped at. Lines whose work grows without bound (a thousand spins, an hour's
// wait, a long text typed key by key) and those that touch files outside the driver's folder
// (shot, open, save) are left out.
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>

#include "tests/fuzz/FuzzedProgram.h"
#include "tools/lymn-drive/CommandLine.h"

namespace {

using lymn::tools::CommandLine;

// The number in a word when it is one (digits only), else 0.
long numberIn(const std::string& word) {
    if (word.empty() || word.size() > 9) return 0;
    long n = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool worthRunning(const CommandLine& line) {
    static const std::set<std::string> kFiles = {"shot", "open", "save"};
    const auto& w = line.words;
    if (kFiles.count(w[0])) return false;
    if (w[0] == "spin" && w.size() > 2 && numberIn(w[2]) > 20) return false;
    if ((w[0] == "hold" || w[0] == "wait") && w.size() > 2 && numberIn(w.back()) > 2000)
        return false;
    if (w[0] == "wait" && w.size() == 2 && numberIn(w[1]) > 2000) return false;
    return !(w[0] == "type" && line.text && line.text->size() > 32);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lymn;
    fuzz::FuzzedProgram& program = fuzz::FuzzedProgram::get();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string script;
    for (std::string raw; std::getline(in, raw);) {
        const CommandLine line = CommandLine::read(raw);
        // What is read holds together: no word is empty or holds a blank, and a line with
        // words has its text exactly when more than the first word is on it or a blank ends it.
        for (const std::string& w : line.words)
            if (w.empty() || w.find_first_of(" \t\v\f") != std::string::npos) __builtin_trap();
        if (line.text && line.empty()) __builtin_trap();
        if (line.words.size() > 1 && !line.text) __builtin_trap();
        if (line.empty() || worthRunning(line)) script += raw + "\n";
    }
    std::istringstream lines(script);
    const int status = program.driver->runScript(lines);
    const bool said = program.err.str().find("lymn-drive: line ") != std::string::npos;
    if ((status != 0 && status != 2) || (status == 2) != said) __builtin_trap();
    program.clean();
    return 0;
}
