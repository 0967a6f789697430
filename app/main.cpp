#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "app/LaunchRequest.h"
#include "app/Program.h"
#include "app/StartupGlyphs.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/ScaleChoice.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/sdl/XResources.h"

namespace {

constexpr char kUsage[] =
    "usage: lymn-sim [--scale 1|2|3] [CODE | FILE.jpg | lymn://build/CODE]\n"
    "Starts with the build of a code, of a screenshot or of a link when one is given.\n";

struct Options {
    std::optional<std::string> scale;
    std::optional<std::string> open;
    bool help = false;
    std::string error;
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc && o.error.empty(); ++i) {
        const std::string a = argv[i];
        if (a == "--scale")
            o.scale = i + 1 < argc ? argv[++i] : "";
        else if (a.rfind("--scale=", 0) == 0)
            o.scale = a.substr(std::strlen("--scale="));
        else if (a == "--help" || a == "-h")
            o.help = true;
        else if (a.rfind("--", 0) == 0 || o.open)
            o.error = "lymn-sim: unknown argument \"" + a + "\"";
        else
            o.open = a;
    }
    return o;
}

// What the argument asks to open, shown in the window; what is wrong with it goes to its box.
void openAtStart(lymn::TFormLy& form, const std::string& argument) {
    const lymn::LaunchRequest r = lymn::LaunchRequest::fromArgument(argument);
    if (r.kind == lymn::LaunchRequest::Kind::JpegFile)
        form.openBuildFile(r.file);
    else
        form.restoreCode(r.code);
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const Options options = parse(argc, argv);
    if (options.help || !options.error.empty()) {
        if (!options.error.empty()) std::fprintf(stderr, "%s\n", options.error.c_str());
        std::fputs(kUsage, options.help ? stdout : stderr);
        return options.help ? 0 : 2;
    }
    const lymn::ScaleChoice scale =
        lymn::ScaleChoice::choose({options.scale, lymn::ScaleChoice::variable("LYMN_SCALE"),
                                   lymn::ScaleChoice::variable("GDK_SCALE"),
                                   [] { return lymn::XResources::value("Xft.dpi", "Xft.Dpi"); }});
    if (!scale.warning.empty()) std::fprintf(stderr, "%s\n", scale.warning.c_str());
    try {
        lymn::SdlBackend backend(scale.scale);
        // The first frame's glyphs come with the program; fonts are opened only for others.
        lymn::Program program(
            backend,
            lymn::FileLocations::detect(lymn::files::executableFolder(), lymn::UserFolders()),
            [](lymn::Application& app) { app.fonts().seedCache(lymn::startupGlyphs()); });
        program.show();
        if (options.open && program.form())
            program.application().guarded([&] { openAtStart(*program.form(), *options.open); });
        return program.run();
    } catch (const lymn::NoDisplay& e) {
        std::fprintf(stderr,
                     "lymn-sim: there is no display to open the window on (%s); start it under a "
                     "virtual X server with: xvfb-run -s '-screen 0 1024x768x24' %s\n",
                     e.what(), argv[0]);
        return 1;
    }
}
