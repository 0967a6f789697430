#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "app/Frmly.h"
#include "tools/lymn-drive/Driver.h"

namespace lymn::fuzz {

// One driver for a whole fuzzing run: the program on the headless backend, in a folder of its
// own with the shipped data file. It opens no web page, and what its screenshot button saves is
// removed after each input.
struct FuzzedProgram {
    static FuzzedProgram& get() {
        // Kept to the end of the process, as libFuzzer ends it with exit().
        static FuzzedProgram* program = new FuzzedProgram;
        return *program;
    }
    // The streams emptied and the screenshots gone, for the next input.
    void clean() {
        out.str("");
        err.str("");
        std::error_code ec;
        std::filesystem::remove_all(dir / "screen", ec);
    }

    std::filesystem::path dir;
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<tools::Driver> driver;

  private:
    FuzzedProgram() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lymn-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir = pattern;
        static std::filesystem::path removed;
        removed = dir;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(removed, ec);
        });
        std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / "lymn.mdb",
                                   dir / "lymn.mdb");
        driver = std::make_unique<tools::Driver>(dir, out, err);
        driver->form().shellOpen = [](const std::string&) {};
        clean();
    }
};

}  // namespace lymn::fuzz
