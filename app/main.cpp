#include <clocale>
#include <cstdio>
#include <string>

#include "app/Program.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/sdl/SdlBackend.h"

int main(int, char** argv) {
    std::setlocale(LC_ALL, "");
    std::unique_ptr<lymn::SdlBackend> backend;
    try {
        backend = std::make_unique<lymn::SdlBackend>();
    } catch (const lymn::Error& e) {
        std::fprintf(
            stderr,
            "lymn-sim: there is no display to open the window on (%s); start it under a virtual X "
            "server with: xvfb-run -s '-screen 0 1024x768x24' %s\n",
            e.what(), argv[0]);
        return 1;
    }
    return lymn::runProgram(*backend, lymn::files::executableFolder());
}
