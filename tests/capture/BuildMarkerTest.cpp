// The character build a screenshot carries in a comment marker: written by the encoder without
// touching the picture, read back from the headers, and refused when it is anything but a code.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "capture/JpegCodec.h"
#include "platform/Error.h"
#include "platform/Files.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr uint8_t kComment = 0xFE;
constexpr uint8_t kStartOfScan = 0xDA;

// A window-sized picture with the face colour, framed panels, a gradient and lines of "text",
// so that every block of the encoding has something to say.
Bitmap screenshotLike() {
    Bitmap picture(440, 535, Color::rgb(0xE7E7E7));
    for (int y = 20; y < 200; ++y)
        for (int x = 10; x < 430; ++x)
            picture.setColor(x, y, {static_cast<uint8_t>(x / 2), static_cast<uint8_t>(y), 0x60});
    for (int y = 300; y < 400; ++y)
        for (int x = 86; x < 215; ++x) picture.setColor(x, y, Color::rgb(0x008040));
    for (int line = 0; line < 8; ++line)
        for (int x = 240; x < 420; x += (x % 7) + 1) picture.setColor(x, 300 + 12 * line, {});
    return picture;
}

// Where the segment at i ends; i is at its marker.
size_t segmentEnd(const Bytes& jpeg, size_t i) {
    return i + 2 + ((static_cast<size_t>(jpeg.at(i + 2)) << 8) | jpeg.at(i + 3));
}

// The offsets of the segments between the start of the image and the first scan.
std::vector<size_t> headerSegments(const Bytes& jpeg) {
    std::vector<size_t> found;
    for (size_t i = 2; jpeg.at(i) == 0xFF && jpeg.at(i + 1) != kStartOfScan;
         i = segmentEnd(jpeg, i))
        found.push_back(i);
    return found;
}

// The texts of the comment segments before the first scan.
std::vector<std::string> comments(const Bytes& jpeg) {
    std::vector<std::string> texts;
    for (size_t i : headerSegments(jpeg))
        if (jpeg[i + 1] == kComment)
            texts.emplace_back(jpeg.begin() + static_cast<long>(i) + 4,
                               jpeg.begin() + static_cast<long>(segmentEnd(jpeg, i)));
    return texts;
}

Bytes withoutComments(const Bytes& jpeg) {
    Bytes out(jpeg);
    const auto segments = headerSegments(jpeg);
    for (auto i = segments.rbegin(); i != segments.rend(); ++i)
        if (jpeg[*i + 1] == kComment)
            out.erase(out.begin() + static_cast<long>(*i),
                      out.begin() + static_cast<long>(segmentEnd(jpeg, *i)));
    return out;
}

// The stream with a comment segment holding text put before its first header segment but one
// (after the JFIF header).
Bytes withComment(const Bytes& jpeg, std::string_view text) {
    const size_t at = headerSegments(jpeg).at(1);
    Bytes segment = {0xFF, kComment, static_cast<uint8_t>((text.size() + 2) >> 8),
                     static_cast<uint8_t>(text.size() + 2)};
    segment.insert(segment.end(), text.begin(), text.end());
    Bytes out(jpeg);
    out.insert(out.begin() + static_cast<long>(at), segment.begin(), segment.end());
    return out;
}

Bytes bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

class BuildMarker : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        picture = new Bitmap(screenshotLike());
        plain = new Bytes(jpeg::encode(*picture));
    }
    static void TearDownTestSuite() {
        delete plain;
        delete picture;
    }
    static std::string prefixed(std::string_view code) {
        return std::string(jpeg::kBuildPrefix) + std::string(code);
    }
    // The code read back from the plain encoding given a comment with this text.
    static std::optional<std::string> readWithComment(std::string_view text) {
        return jpeg::buildCode(withComment(*plain, text));
    }
    static std::string readError(const Bytes& bytes) {
        try {
            jpeg::buildCode(bytes);
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    }

    static inline Bitmap* picture = nullptr;
    static inline Bytes* plain = nullptr;
    const std::string code = "Lq7-0zX3-k9";
};

TEST_F(BuildMarker, ACodeWrittenWithThePictureReadsBack) {
    const Bytes coded = jpeg::encode(*picture, jpeg::kScreenshotQuality, code);
    EXPECT_EQ(jpeg::buildCode(coded), code);
    EXPECT_EQ(comments(coded), std::vector<std::string>{prefixed(code)});
    // The shortest and the longest codes, and every kind of character.
    for (const std::string& c : {std::string("x"), std::string(jpeg::kMaxBuildCodeLength, '-'),
                                 std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                                 std::string("abcdefghijklmnopqrstuvwxyz-")})
        EXPECT_EQ(jpeg::buildCode(jpeg::encode(*picture, jpeg::kScreenshotQuality, c)), c) << c;
}

TEST_F(BuildMarker, WithoutACodeTheEncodingIsTheScreenshotsAsBefore) {
    EXPECT_EQ(jpeg::encode(*picture, jpeg::kScreenshotQuality, ""), *plain);
    EXPECT_TRUE(comments(*plain).empty());
    // The marker is the one difference a code makes: without it the bytes are the plain ones.
    const Bytes coded = jpeg::encode(*picture, jpeg::kScreenshotQuality, code);
    EXPECT_NE(coded, *plain);
    EXPECT_EQ(withoutComments(coded), *plain);
    // It follows the JFIF header, as the first segment but one.
    const auto segments = headerSegments(coded);
    ASSERT_GE(segments.size(), 2u);
    EXPECT_EQ(coded[segments[0] + 1], 0xE0);
    EXPECT_EQ(coded[segments[1] + 1], kComment);
}

TEST_F(BuildMarker, TheMarkerChangesNeitherThePixelsNorTheStreamsFacts) {
    const Bytes coded = jpeg::encode(*picture, jpeg::kScreenshotQuality, code);
    EXPECT_TRUE(jpeg::decode(coded) == jpeg::decode(*plain));
    const jpeg::Info with = jpeg::inspect(coded);
    const jpeg::Info without = jpeg::inspect(*plain);
    EXPECT_EQ(with.width, without.width);
    EXPECT_EQ(with.height, without.height);
    EXPECT_EQ(with.components, without.components);
    EXPECT_EQ(with.progressive, without.progressive);
    EXPECT_EQ(with.baseline, without.baseline);
    EXPECT_EQ(with.jfif, without.jfif);
    EXPECT_EQ(with.colorSpace, without.colorSpace);
    EXPECT_EQ(with.quantTable0, without.quantTable0);
    EXPECT_EQ(with.sof0, without.sof0);
    EXPECT_TRUE(with.sof0);
    EXPECT_TRUE(with.jfif);
}

TEST_F(BuildMarker, SavedFilesCarryTheCodeAndOnlyWhenGivenOne) {
    const fs::path dir = fs::temp_directory_path() / ("lymn-marker-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    jpeg::save(*picture, dir / "coded.jpg", code);
    jpeg::save(*picture, dir / "plain.jpg");
    const auto coded = files::readAll(dir / "coded.jpg");
    const auto saved = files::readAll(dir / "plain.jpg");
    fs::remove_all(dir);
    ASSERT_TRUE(coded && saved);
    EXPECT_EQ(*coded, jpeg::encode(*picture, jpeg::kScreenshotQuality, code));
    EXPECT_EQ(jpeg::buildCode(*coded), code);
    EXPECT_EQ(*saved, *plain);
}

TEST_F(BuildMarker, AnythingButACodeIsRefusedBeforeAnythingIsWritten) {
    const fs::path dir = fs::temp_directory_path() / ("lymn-refused-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const std::string& bad :
         {std::string("with blank"), std::string(jpeg::kMaxBuildCodeLength + 1, 'a'),
          std::string("a_b"), std::string("line\nbreak"), std::string("\xC3\xBC"),
          std::string("nul\0", 4), std::string("a:b")}) {
        EXPECT_FALSE(jpeg::isBuildCode(bad)) << bad;
        try {
            jpeg::encode(*picture, jpeg::kScreenshotQuality, bad);
            ADD_FAILURE() << "encoded with " << bad;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Not a build code: ", 0), 0u) << e.what();
        }
        EXPECT_THROW(jpeg::save(*picture, dir / "refused.jpg", bad), Error) << bad;
        EXPECT_FALSE(fs::exists(dir / "refused.jpg")) << bad;
    }
    fs::remove_all(dir);
    EXPECT_FALSE(jpeg::isBuildCode(""));
}

TEST_F(BuildMarker, APictureWithoutABuildHasNone) {
    EXPECT_EQ(jpeg::buildCode(*plain), std::nullopt);
    EXPECT_EQ(readWithComment("Created with a camera"), std::nullopt);
    EXPECT_EQ(readWithComment(""), std::nullopt);
}

TEST_F(BuildMarker, ACommentWithAnotherPrefixOrJunkGivesNothing) {
    for (const std::string& text :
         {std::string("LYMN-BUILD:") + code, std::string("lymn-build") + code,
          std::string("other-build:") + code, std::string(" lymn-build:") + code, prefixed(""),
          prefixed(code + " "), prefixed(code + "\n"), prefixed("\x01\xFF\x80z"),
          prefixed(code + std::string("\0", 1)), prefixed(code + "\xE4\xB8\xAD"),
          prefixed(std::string(jpeg::kMaxBuildCodeLength + 1, 'a')),
          prefixed(std::string(60000, 'a')), prefixed(prefixed(code))})
        EXPECT_EQ(readWithComment(text), std::nullopt) << text.substr(0, 80);
    // Comments before it with other texts do not hide a build.
    const Bytes behind = withComment(withComment(*plain, prefixed(code)), "a camera's note");
    EXPECT_EQ(jpeg::buildCode(behind), code);
}

TEST_F(BuildMarker, TheFirstBuildMarkerDecides) {
    const Bytes two = withComment(withComment(*plain, prefixed("second")), prefixed("first"));
    EXPECT_EQ(jpeg::buildCode(two), "first");
    const Bytes spoiled = withComment(withComment(*plain, prefixed("second")), prefixed("x y"));
    EXPECT_EQ(jpeg::buildCode(spoiled), std::nullopt);
}

TEST_F(BuildMarker, BytesThatAreNotAJpegRaise) {
    const std::string prefix = "Not a readable JPEG picture: ";
    for (const Bytes& bad :
         {Bytes{}, Bytes{1, 2, 3, 4}, bytesOf("lymn-build:abc"), Bytes{0xFF, 0xD8},
          Bytes{0xFF, 0xD8, 0xFF, 0xD9}, bytesOf("\xFF\xD8 garbage after the start marker")}) {
        const std::string said = readError(bad);
        EXPECT_EQ(said.rfind(prefix, 0), 0u) << said;
        EXPECT_GT(said.size(), prefix.size()) << "no reason given";
    }
}

TEST_F(BuildMarker, AStreamCutInItsHeadersRaises) {
    const Bytes coded = jpeg::encode(*picture, jpeg::kScreenshotQuality, code);
    const auto segments = headerSegments(coded);
    // Cut inside the marker, at each later segment, and just before the scan.
    std::vector<size_t> cuts = {segments[1] + 3, segments[1] + 8};
    for (size_t i = 2; i < segments.size(); ++i) cuts.push_back(segments[i] + 1);
    cuts.push_back(segmentEnd(coded, segments.back()));
    for (size_t cut : cuts) {
        const Bytes part(coded.begin(), coded.begin() + static_cast<long>(cut));
        EXPECT_THROW(jpeg::buildCode(part), Error) << "cut at " << cut;
    }
}

TEST_F(BuildMarker, AStreamCutInItsPictureStillGivesItsBuild) {
    // The build is read from the headers; a picture cut short after them still names it.
    const Bytes coded = jpeg::encode(*picture, jpeg::kScreenshotQuality, code);
    const Bytes half(coded.begin(), coded.begin() + static_cast<long>(coded.size() / 2));
    EXPECT_EQ(jpeg::buildCode(half), code);
}

}  // namespace
}  // namespace lymn
