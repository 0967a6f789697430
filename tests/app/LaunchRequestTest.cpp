// What one command-line argument asks the program to open: a build code, a JPEG file or a lymn
// link's code, and the arguments it refuses with the reason.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/LaunchRequest.h"
#include "platform/Error.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;
using Kind = LaunchRequest::Kind;

class LaunchRequestTest : public ::testing::Test {
  protected:
    // The files that exist, as far as the requests are concerned; every path asked is noted.
    LaunchRequest::FileTest fileTest() {
        return [this](const fs::path& p) {
            asked.insert(p.string());
            return existing.count(p.string()) > 0;
        };
    }
    LaunchRequest request(const std::string& argument) {
        return LaunchRequest::fromArgument(argument, fileTest());
    }
    void expectCode(const std::string& argument, Kind kind, const std::string& code) {
        SCOPED_TRACE(argument);
        try {
            const LaunchRequest r = request(argument);
            EXPECT_EQ(r.kind, kind);
            EXPECT_EQ(r.code, code);
            EXPECT_TRUE(r.file.empty());
        } catch (const Error& e) {
            ADD_FAILURE() << "refused: " << e.what();
        }
    }
    void expectFile(const std::string& argument, const fs::path& file) {
        SCOPED_TRACE(argument);
        try {
            const LaunchRequest r = request(argument);
            EXPECT_EQ(r.kind, Kind::JpegFile);
            EXPECT_EQ(r.file, file);
            EXPECT_TRUE(r.code.empty());
        } catch (const Error& e) {
            ADD_FAILURE() << "refused: " << e.what();
        }
    }
    // The reason an argument is refused; it must contain the given words.
    void expectRefused(const std::string& argument, const std::string& words) {
        SCOPED_TRACE(argument.substr(0, 80));
        try {
            const LaunchRequest r = request(argument);
            ADD_FAILURE() << "taken as kind " << static_cast<int>(r.kind) << ", code " << r.code
                          << ", file " << r.file;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
        }
    }

    std::set<std::string> existing;
    std::set<std::string> asked;
};

TEST_F(LaunchRequestTest, ABareArgumentIsABuildCodeForTheCodeReader) {
    expectCode("Lq7-0zX3", Kind::BuildCode, "Lq7-0zX3");
    expectCode("x", Kind::BuildCode, "x");
    // Any printable ASCII passes here; the code reader judges it.
    expectCode("!\"$&'()*+,;=@[]{}|~^`%zz", Kind::BuildCode, "!\"$&'()*+,;=@[]{}|~^`%zz");
    expectCode("notes.png", Kind::BuildCode, "notes.png");
    expectCode("--help", Kind::BuildCode, "--help");
    const std::string longest(LaunchRequest::kMaxCodeLength, 'a');
    expectCode(longest, Kind::BuildCode, longest);
}

TEST_F(LaunchRequestTest, ABareArgumentThatCannotBeACodeIsRefused) {
    expectRefused(std::string(LaunchRequest::kMaxCodeLength + 1, 'a'), "too long");
    expectRefused("two words", "blanks");
    expectRefused(" ", "blanks");
    expectRefused("\xE4\xB8\xAD\xE6\x96\x87", "beyond ASCII");
    expectRefused("caf\xC3\xA9", "beyond ASCII");
}

TEST_F(LaunchRequestTest, APathNamedJpgOrJpegIsAJpegFileWhetherOrNotItExists) {
    for (const std::string& path :
         {std::string("shot.jpg"), std::string("/home/u/Pictures/080305140709.JPG"),
          std::string("a.JpEg"), std::string("relative/with blank.jpeg"),
          std::string("/home/u/\xE5\x9B\xBE\xE7\x89\x87/screen/1.jpg"), std::string("./.jpg"),
          std::string("-x.jpg")})
        expectFile(path, path);
    EXPECT_TRUE(asked.empty()) << "the file system was asked about a .jpg";
    // Only the very end counts.
    expectCode("shot.jpgx", Kind::BuildCode, "shot.jpgx");
    expectCode("shot.jpg.txt", Kind::BuildCode, "shot.jpg.txt");
}

TEST_F(LaunchRequestTest, AnExistingFileIsAJpegFileWhateverItsName) {
    existing = {"screens/build", "odd name", "weird:name"};
    expectFile("screens/build", "screens/build");
    expectFile("odd name", "odd name");
    // A name that looks like a link of another kind is still the file.
    expectFile("weird:name", "weird:name");
    EXPECT_EQ(asked, existing);
    expectCode("screens/other", Kind::BuildCode, "screens/other");
    expectRefused("odd names", "blanks");
}

TEST_F(LaunchRequestTest, TheFileSystemIsAskedWhenNoTestIsGiven) {
    const fs::path dir = fs::temp_directory_path() / ("lymn-launch-" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "build") << "not a picture yet";
    const LaunchRequest file = LaunchRequest::fromArgument((dir / "build").string());
    const LaunchRequest folder = LaunchRequest::fromArgument((dir / "folder").string());
    const LaunchRequest missing = LaunchRequest::fromArgument((dir / "missing").string());
    fs::remove_all(dir);
    EXPECT_EQ(file.kind, Kind::JpegFile);
    EXPECT_EQ(file.file, dir / "build");
    // A folder is no file: the argument stays a code, which the code reader will refuse.
    EXPECT_EQ(folder.kind, Kind::BuildCode);
    EXPECT_EQ(missing.kind, Kind::BuildCode);
}

TEST_F(LaunchRequestTest, ALymnLinkGivesItsCode) {
    expectCode("lymn://build/Lq7-0zX3", Kind::LinkCode, "Lq7-0zX3");
    expectCode("lymn://build/Lq7-0zX3/", Kind::LinkCode, "Lq7-0zX3");
    expectCode("LYMN://build/abc", Kind::LinkCode, "abc");
    expectCode("Lymn://BUILD/abc", Kind::LinkCode, "abc");
    expectCode("lymn://build/a%2Db%2dc", Kind::LinkCode, "a-b-c");
    expectCode("lymn://build/%41%7a", Kind::LinkCode, "Az");
    // Decoded characters the code reader will judge.
    expectCode("lymn://build/a%2Fb", Kind::LinkCode, "a/b");
    expectCode("lymn://build/%25", Kind::LinkCode, "%");
    const std::string longest(LaunchRequest::kMaxCodeLength, 'q');
    expectCode("lymn://build/" + longest, Kind::LinkCode, longest);
    // A link that ends in .jpg is still a link.
    expectCode("lymn://build/x.jpg", Kind::LinkCode, "x.jpg");
    EXPECT_TRUE(asked.empty());
}

TEST_F(LaunchRequestTest, ALinkOfAnotherShapeIsRefused) {
    expectRefused("lymn:build/abc", "lymn://build/CODE");
    expectRefused("lymn:/build/abc", "lymn://build/CODE");
    expectRefused("lymn:", "lymn://build/CODE");
    expectRefused("lymn:///build/abc", "Not a build link");
    expectRefused("lymn://other/abc", "Not a build link: lymn://other");
    expectRefused("lymn://builds/abc", "Not a build link");
    expectRefused("lymn://user@build/abc", "Not a build link");
    expectRefused("lymn://build:80/abc", "Not a build link");
    expectRefused("lymn://build", "no build code");
    expectRefused("lymn://build/", "no build code");
    expectRefused("lymn://build//", "no build code");
    for (const char* more : {"lymn://build/abc/def", "lymn://build/abc//", "lymn://build//abc",
                             "lymn://build/abc?x=1", "lymn://build/abc#top", "lymn://build/abc/?x"})
        expectRefused(more, "Nothing may follow");
}

TEST_F(LaunchRequestTest, ALinksCodeMustDecodeToPrintableText) {
    for (const char* broken : {"lymn://build/%", "lymn://build/ab%4", "lymn://build/%zz",
                               "lymn://build/%g1", "lymn://build/a%%41"})
        expectRefused(broken, "without two hex digits");
    expectRefused("lymn://build/%00", "control characters");
    expectRefused("lymn://build/a%20b", "blanks");
    expectRefused("lymn://build/a%0Ab", "control characters");
    expectRefused("lymn://build/%7F", "control characters");
    expectRefused("lymn://build/%E4%B8%AD", "beyond ASCII");
    expectRefused("lymn://build/\xE4\xB8\xAD", "beyond ASCII");
    expectRefused("lymn://build/" + std::string(LaunchRequest::kMaxCodeLength + 1, 'q'),
                  "too long");
    // Counted after decoding: three characters each, one once decoded.
    std::string encoded;
    for (size_t i = 0; i < LaunchRequest::kMaxCodeLength; ++i) encoded += "%41";
    expectCode("lymn://build/" + encoded, Kind::LinkCode,
               std::string(LaunchRequest::kMaxCodeLength, 'A'));
}

TEST_F(LaunchRequestTest, AFileUrlOfThisComputerIsItsPath) {
    expectFile("file:///home/u/shot.jpg", "/home/u/shot.jpg");
    expectFile("FILE://localhost/tmp/a%20b.JPEG", "/tmp/a b.JPEG");
    expectFile("file:///home/u/%E5%9B%BE%E7%89%87/1.jpg", "/home/u/\xE5\x9B\xBE\xE7\x89\x87/1.jpg");
    existing = {"/tmp/build"};
    expectFile("file:///tmp/build", "/tmp/build");
    expectRefused("file:///tmp/notes.txt", "Not a JPEG file: /tmp/notes.txt");
    expectRefused("file://otherhost/shot.jpg", "files of this computer");
    expectRefused("file:/home/u/shot.jpg", "files of this computer");
    expectRefused("file:shot.jpg", "files of this computer");
    expectRefused("file://", "files of this computer");
    expectRefused("file:///tmp/a%2.jpg", "without two hex digits");
    expectRefused("file:///tmp/a%00.jpg", "control characters");
    expectRefused("file:///tmp/a%0A.jpg", "control characters");
    expectRefused("file:///tmp/shot.jpg?x=1", "Nothing may follow");
    expectRefused("file:///tmp/shot.jpg#1", "Nothing may follow");
}

TEST_F(LaunchRequestTest, LinksOfOtherKindsAreRefused) {
    expectRefused("http://example.com/shot.jpg", "Links of the kind http: are not opened");
    expectRefused("https://example.com/build/abc", "https:");
    expectRefused("lymns://build/abc", "lymns:");
    expectRefused("mailto:someone@example.com", "mailto:");
    expectRefused("javascript:alert(1)", "javascript:");
    expectRefused("x-lymn+1.0:abc", "x-lymn+1.0:");
    // Asked first whether such a file exists, and it does not.
    EXPECT_TRUE(asked.count("http://example.com/shot.jpg"));
    // Not shaped as a scheme: a code or a path.
    expectCode("1abc:def", Kind::BuildCode, "1abc:def");
    expectCode(":abc", Kind::BuildCode, ":abc");
    expectFile("dir/a:b.jpg", "dir/a:b.jpg");
}

TEST_F(LaunchRequestTest, EmptyOverlongAndControlArgumentsAreRefused) {
    expectRefused("", "empty");
    expectRefused(std::string(LaunchRequest::kMaxArgumentLength + 1, 'a') + ".jpg", "too long");
    expectRefused("lymn://build/" + std::string(LaunchRequest::kMaxArgumentLength, 'a'),
                  "too long");
    for (const std::string& control :
         {std::string("abc\n"), std::string("a\tb.jpg"), std::string("\x7F"),
          std::string("lymn://build/a\rb"), std::string("x\x1B[31m"), std::string("a\0b", 3)})
        expectRefused(control, "control characters");
    EXPECT_TRUE(asked.empty()) << "the file system was asked about a refused argument";
    // The longest argument is still looked at.
    const std::string longest = std::string(LaunchRequest::kMaxArgumentLength - 4, 'a') + ".jpg";
    expectFile(longest, longest);
}

}  // namespace
}  // namespace lymn
