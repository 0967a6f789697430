#include <clocale>
#include <cstdio>
#include <string>

#include "app/Program.h"
#include "platform/Files.h"
#include "platform/sdl/SdlBackend.h"

int main(int, char** argv) {
    std::setlocale(LC_ALL, "");
    std::string why;
    if (!lymn::SdlBackend::displayAvailable(why)) {
        std::fprintf(stderr,
                     "lymn-sim: there is no display to open the window on (%s); start it under a virtual X "
                     "server with: xvfb-run -s '-screen 0 1024x768x24' %s\n",
                     why.c_str(), argv[0]);
        return 1;
    }
    lymn::SdlBackend backend;
    return lymn::runProgram(backend, lymn::files::executableFolder());
}
