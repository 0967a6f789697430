// lymn-drive [--dir DIR] [--scale N] < script
// Starts the simulator on the headless backend and plays the commands of the script.
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <iostream>

#include "platform/Error.h"
#include "platform/Files.h"
#include "tools/lymn-drive/Driver.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    fs::path dir;
    int scale = 1;
    bool temporary = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dir" && i + 1 < argc) {
            dir = argv[++i];
        } else if (a == "--scale" && i + 1 < argc) {
            const std::string n = argv[++i];
            if (n != "1" && n != "2" && n != "3") {
                std::cerr << "lymn-drive: the scale must be 1, 2 or 3, not \"" << n << "\"\n";
                return 2;
            }
            scale = n[0] - '0';
        } else if (a == "--help" || a == "-h") {
            std::cout << "usage: lymn-drive [--dir DIR] [--scale N] < SCRIPT\n"
                         "Runs the simulator headless in DIR (default: a new folder with a copy of "
                         "the shipped\n"
                         "lymn.mdb) and plays the commands of the script, one per line; its "
                         "windows are\ndrawn at scale N (1, 2 or 3).\n";
            return 0;
        } else {
            std::cerr << "usage: lymn-drive [--dir DIR] [--scale N] < SCRIPT\n";
            return 2;
        }
    }
    if (dir.empty()) {
        std::string pattern = (fs::temp_directory_path() / "lymn-drive-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::cerr << "lymn-drive: cannot make a temporary folder\n";
            return 1;
        }
        dir = pattern;
        temporary = true;
        std::error_code ec;
        fs::copy_file(lymn::files::executableFolder() / "lymn.mdb", dir / "lymn.mdb", ec);
    }
    dir = fs::absolute(dir);
    std::error_code ec;
    fs::current_path(dir, ec);
    if (ec) {
        std::cerr << "lymn-drive: cannot use the folder " << dir << "\n";
        return 1;
    }
    int status = 0;
    try {
        lymn::tools::Driver driver(dir, std::cout, std::cerr, scale);
        status = driver.runScript(std::cin);
    } catch (const lymn::Error& e) {
        std::cerr << "lymn-drive: " << e.what() << "\n";
        status = 1;
    }
    std::cout.flush();
    if (temporary) fs::remove_all(dir, ec);
    return status;
}
