#include <clocale>
#include <cstdio>
#include <memory>
#include <string>

#include "app/Program.h"
#include "app/StartupGlyphs.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/sdl/SdlBackend.h"

int main(int, char** argv) {
    std::setlocale(LC_ALL, "");
    try {
        lymn::SdlBackend backend;
        // The first frame's glyphs come with the program; fonts are opened only for others.
        return lymn::runProgram(
            backend,
            lymn::FileLocations::detect(lymn::files::executableFolder(), lymn::UserFolders()),
            [](lymn::Application& app) { app.fonts().seedCache(lymn::startupGlyphs()); });
    } catch (const lymn::NoDisplay& e) {
        std::fprintf(stderr,
                     "lymn-sim: there is no display to open the window on (%s); start it under a "
                     "virtual X server with: xvfb-run -s '-screen 0 1024x768x24' %s\n",
                     e.what(), argv[0]);
        return 1;
    }
}
