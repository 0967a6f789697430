// What cmake --install, cpack -G DEB and cpack -G TGZ make of this build folder.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/Version.h"

namespace fs = std::filesystem;

namespace {

const std::string kBinaryDir = LYMN_BINARY_DIR;
const std::string kMetainfo = "io.github.lymn.Simulator.metainfo.xml";
const char* const kFonts[] = {"fonts-arphic-uming", "fonts-arphic-ukai", "fonts-wqy-zenhei",
                              "fonts-dejavu-core"};

std::string shellQuoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

// Runs a shell command; its output (with the error output) goes to *output.
int run(const std::string& command, std::string* output = nullptr) {
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    const int status = ::pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool haveTool(const std::string& name) {
    return run("command -v " + name + " >/dev/null") == 0;
}

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    return s;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The regular files under a folder, relative to it.
std::set<std::string> filesUnder(const fs::path& dir) {
    std::set<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (!e.is_directory()) files.insert(fs::relative(e.path(), dir).string());
    return files;
}

// The desktop layout under a prefix, as cmake --install and the Debian package lay it out.
std::set<std::string> systemLayout(const std::string& prefix) {
    std::set<std::string> files = {
        prefix + "bin/lymn-sim",
        prefix + "share/lymn-sim/lymn.mdb",
        prefix + "share/applications/lymn-sim.desktop",
        prefix + "share/metainfo/" + kMetainfo,
        prefix + "share/doc/lymn-sim/copyright",
    };
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        std::string icon = prefix;
        icon.append("share/icons/hicolor/").append(n).append("x").append(n);
        files.insert(icon.append("/apps/lymn-sim.png"));
    }
    return files;
}

// The shared libraries an ELF file names in its dynamic section.
std::vector<std::string> needed(const fs::path& elf) {
    std::string out;
    std::vector<std::string> libs;
    if (run("readelf -d " + shellQuoted(elf), &out) != 0) return libs;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto open = line.find("(NEEDED)");
        const auto lb = line.find('['), rb = line.find(']');
        if (open != std::string::npos && lb != std::string::npos && rb > lb)
            libs.push_back(line.substr(lb + 1, rb - lb - 1));
    }
    return libs;
}

bool names(const std::vector<std::string>& libs, const std::string& prefix) {
    for (const auto& l : libs)
        if (l.rfind(prefix, 0) == 0) return true;
    return false;
}

// The package names of a Depends field, without versions or alternatives' bars.
std::set<std::string> dependencyNames(const std::string& field) {
    std::set<std::string> out;
    std::string name;
    bool inVersion = false;
    auto flush = [&] {
        name = trimmed(name);
        if (!name.empty()) out.insert(name);
        name.clear();
    };
    for (char c : field) {
        if (c == '(') inVersion = true;
        if (!inVersion && (c == ',' || c == '|')) flush();
        if (!inVersion && c != ',' && c != '|') name += c;
        if (c == ')') inVersion = false;
    }
    flush();
    return out;
}

bool hasPackageStartingWith(const std::set<std::string>& packages, const std::string& prefix) {
    for (const auto& p : packages)
        if (p.rfind(prefix, 0) == 0) return true;
    return false;
}

// A scratch folder per test, removed afterwards.
class Packages : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch = fs::temp_directory_path() /
                  ("lymn-packages-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(scratch);
        fs::create_directories(scratch);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(scratch, ec);
    }

    // Runs cpack with the build folder's configuration; returns the one package it made.
    fs::path cpack(const std::string& generator, const std::string& extension) {
        std::string out;
        const int rc = run(shellQuoted(LYMN_CPACK) + " -G " + generator + " -B " +
                               shellQuoted(scratch / "out") + " --config " +
                               shellQuoted(kBinaryDir + "/CPackConfig.cmake"),
                           &out);
        EXPECT_EQ(rc, 0) << out;
        std::vector<fs::path> made;
        if (fs::exists(scratch / "out"))
            for (const auto& e : fs::directory_iterator(scratch / "out"))
                if (e.path().string().ends_with(extension)) made.push_back(e.path());
        EXPECT_EQ(made.size(), 1u) << out;
        return made.empty() ? fs::path() : made.front();
    }

    fs::path scratch;
};

TEST_F(Packages, AnInstallLaysOutTheDesktopProgramAndNothingElse) {
    std::string out;
    ASSERT_EQ(run(shellQuoted(LYMN_CMAKE) + " --install " + shellQuoted(kBinaryDir) + " --prefix " +
                      shellQuoted(scratch / "prefix"),
                  &out),
              0)
        << out;
    EXPECT_EQ(filesUnder(scratch / "prefix"), systemLayout(""));
    if (!haveTool("readelf")) GTEST_SKIP() << "readelf (binutils) is not installed";
    const auto libs = needed(scratch / "prefix/bin/lymn-sim");
    EXPECT_TRUE(names(libs, "libfreetype.so")) << "bin/lymn-sim is not the shared flavour";
}

TEST_F(Packages, TheDebianPackageHoldsTheDesktopLayoutAndDependsOnItsLibrariesAndFonts) {
    for (const char* tool : {"dpkg", "dpkg-deb", "dpkg-shlibdeps", "file", "readelf", "ldd",
                             "desktop-file-validate", "appstreamcli"})
        if (!haveTool(tool)) GTEST_SKIP() << tool << " is not installed; ./setup installs it";
    std::string arch;
    ASSERT_EQ(run("dpkg --print-architecture", &arch), 0);
    arch = trimmed(arch);
    const fs::path deb = cpack("DEB", ".deb");
    ASSERT_FALSE(deb.empty());
    EXPECT_EQ(deb.filename().string(),
              std::string("lymn-sim_") + lymn::version::kFileVersion + "_" + arch + ".deb");

    // Control fields.
    auto field = [&deb](const std::string& name) {
        std::string value;
        EXPECT_EQ(run("dpkg-deb -f " + shellQuoted(deb) + " " + name, &value), 0) << value;
        return trimmed(value);
    };
    EXPECT_EQ(field("Package"), "lymn-sim");
    EXPECT_EQ(field("Version"), lymn::version::kFileVersion);
    EXPECT_EQ(field("Architecture"), arch);
    EXPECT_EQ(field("Section"), "games");
    EXPECT_NE(field("Maintainer").find('@'), std::string::npos);
    const std::string description = field("Description");
    EXPECT_NE(description.find('\n'), std::string::npos) << "no long description: " << description;
    const std::string depends = field("Depends");
    const auto packages = dependencyNames(depends);
    for (const char* font : kFonts) EXPECT_TRUE(packages.count(font)) << font << ": " << depends;
    for (const char* lib : {"libsdl2", "libfreetype", "libfontconfig", "libsqlite3", "libjpeg"})
        EXPECT_TRUE(hasPackageStartingWith(packages, lib)) << lib << ": " << depends;

    // Exactly the desktop layout under /usr.
    std::string listing;
    ASSERT_EQ(run("dpkg-deb -c " + shellQuoted(deb), &listing), 0) << listing;
    std::set<std::string> listed;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == 'd') continue;
        std::string path = line.substr(line.rfind(' ') + 1);
        if (path.rfind("./", 0) == 0) path.erase(0, 2);
        listed.insert(path);
    }
    EXPECT_EQ(listed, systemLayout("usr/"));

    // The program links the distribution's libraries, and keeps its version block.
    const fs::path root = scratch / "root";
    ASSERT_EQ(run("dpkg-deb -x " + shellQuoted(deb) + " " + shellQuoted(root), &listing), 0)
        << listing;
    const fs::path program = root / "usr/bin/lymn-sim";
    const auto libs = needed(program);
    for (const char* lib :
         {"libfreetype.so", "libfontconfig.so", "libsqlite3.so", "libjpeg.so", "libSDL2-2.0.so"})
        EXPECT_TRUE(names(libs, lib)) << program << " does not link " << lib << " dynamically";
    // libpng comes in through FreeType when the program itself calls none of it.
    std::string loaded;
    EXPECT_EQ(run("ldd " + shellQuoted(program), &loaded), 0) << loaded;
    EXPECT_NE(loaded.find("libpng16.so"), std::string::npos) << loaded;
    EXPECT_EQ(loaded.find("not found"), std::string::npos) << loaded;
    std::string version;
    run("readelf -p .lymn.version " + shellQuoted(program), &version);
    EXPECT_NE(version.find(lymn::version::kFileVersion), std::string::npos) << version;

    // The menu entry and the metadata as installed.
    std::string said;
    EXPECT_EQ(run("desktop-file-validate " +
                      shellQuoted(root / "usr/share/applications/lymn-sim.desktop"),
                  &said),
              0)
        << said;
    EXPECT_EQ(said, "");
    EXPECT_EQ(run("appstreamcli validate --no-net " +
                      shellQuoted(root / "usr/share/metainfo" / kMetainfo),
                  &said),
              0)
        << said;
    // No errors or warnings; infos and pedantic notes may stay.
    std::istringstream report(said);
    for (std::string line; std::getline(report, line);)
        EXPECT_FALSE(line.rfind("E:", 0) == 0 || line.rfind("W:", 0) == 0) << said;
}

TEST_F(Packages, ThePortableArchiveHoldsTheProgramBesideItsData) {
    for (const char* tool : {"tar", "readelf"})
        if (!haveTool(tool)) GTEST_SKIP() << tool << " is not installed";
    const fs::path archive = cpack("TGZ", ".tar.gz");
    ASSERT_FALSE(archive.empty());
    std::string out;
    ASSERT_EQ(run("tar -xzf " + shellQuoted(archive) + " -C " + shellQuoted(scratch), &out), 0)
        << out;
    const std::string top = std::string("lymn-sim-") + lymn::version::kFileVersion + "-Linux";
    const fs::path folder = scratch / top;
    EXPECT_EQ(filesUnder(folder), (std::set<std::string>{"lymn-sim", "lymn.mdb", "README"}));
    EXPECT_EQ(fs::status(folder / "lymn-sim").permissions() & fs::perms::owner_exec,
              fs::perms::owner_exec);
    EXPECT_EQ(readFile(folder / "lymn.mdb"), readFile(kBinaryDir + "/lymn.mdb"));
    const auto libs = needed(folder / "lymn-sim");
    EXPECT_TRUE(names(libs, "libSDL2-2.0.so"));
    if (LYMN_PORTABLE_STATIC) {
        // The portable program carries its libraries and C++ runtime.
        for (const char* lib : {"libfreetype.so", "libfontconfig.so", "libsqlite3.so", "libjpeg.so",
                                "libpng16.so", "libstdc++.so"})
            EXPECT_FALSE(names(libs, lib)) << lib << " is linked dynamically";
    }
}

}  // namespace
