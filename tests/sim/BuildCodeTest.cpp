// Build codes: every build the window can show travels and comes back whole; anything else is
// refused with one clear reason.
#include <gtest/gtest.h>

#include <random>

#include "platform/Error.h"
#include "sim/BuildCode.h"
#include "sim/CodeTables.h"

namespace lymn::sim {
namespace {

Build randomBuild(std::mt19937& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    Build b;
    b.appearance = std::string(AppearanceTable[static_cast<size_t>(1 + pick(20))].code);
    b.profession = std::string(ProfessionTable[static_cast<size_t>(1 + pick(8))].code);
    b.level = 1 + pick(200);
    for (auto* pool : {&b.attributes, &b.resistances}) {
        int left = Build::pointsOfLevel(b.level);
        for (int& v : *pool) {
            v = pick(left + 1);
            left -= v;
        }
    }
    return b;
}

std::string refusal(std::string_view text) {
    try {
        BuildCode::decode(text);
    } catch (const Error& e) {
        return e.what();
    }
    return "accepted";
}

TEST(BuildCode, RandomBuildsComeBackWholeInShortPrintableCodes) {
    std::mt19937 rng(12);
    for (int i = 0; i < 5000; ++i) {
        const Build b = randomBuild(rng);
        const std::string code = BuildCode::encode(b);
        ASSERT_EQ(code.size(), BuildCode::kLength);
        ASSERT_LT(code.size(), 40u);
        ASSERT_EQ(code.substr(0, 3), "LY1");
        for (char c : code) ASSERT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << code;
        ASSERT_EQ(BuildCode::decode(code), b) << code;
        // As a chat may change it: lower case, blanks around, O and I for 0 and 1.
        std::string sloppy = code;
        for (char& c : sloppy) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (c == '0') c = 'o';
            if (c == '1' && &c != &sloppy[2]) c = 'i';
        }
        ASSERT_EQ(BuildCode::decode("  " + sloppy + "\n"), b) << sloppy;
    }
    // The start: nothing picked at level 1.
    const Build start{"", "0", 1, {}, {}};
    EXPECT_EQ(BuildCode::decode(BuildCode::encode(start)), start);
}

TEST(BuildCode, EveryChangedCharacterAndNearlyEverySwapIsCaught) {
    std::mt19937 rng(7);
    const std::string digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    for (int i = 0; i < 200; ++i) {
        const std::string code = BuildCode::encode(randomBuild(rng));
        for (size_t at = 3; at < code.size(); ++at) {
            for (char d : digits) {
                if (d == code[at]) continue;
                std::string changed = code;
                changed[at] = d;
                ASSERT_NE(refusal(changed), "accepted") << code << " -> " << changed;
            }
            if (at + 1 < code.size() && code[at] != code[at + 1]) {
                std::string swapped = code;
                std::swap(swapped[at], swapped[at + 1]);
                const std::string pair{code[at], code[at + 1]};
                if (pair != "0Z" && pair != "Z0") {
                    ASSERT_NE(refusal(swapped), "accepted") << code << " -> " << swapped;
                }
            }
        }
    }
}

TEST(BuildCode, EachRefusalSaysWhatIsWrong) {
    const Build good{"wwl", "jg", 50, {10, 10, 10, 10}, {40, 0, 0, 0}};
    const std::string code = BuildCode::encode(good);
    EXPECT_EQ(refusal(code), "accepted");
    EXPECT_NE(refusal("hello").find("不是方案代码"), std::string::npos);
    EXPECT_NE(refusal("").find("不是方案代码"), std::string::npos);
    EXPECT_NE(refusal(code.substr(0, 20)).find("不是方案代码"), std::string::npos);
    EXPECT_NE(refusal(code + "0").find("不是方案代码"), std::string::npos);
    EXPECT_NE(refusal("LY2" + code.substr(3)).find("版本"), std::string::npos);
    EXPECT_NE(refusal("LY9").find("版本"), std::string::npos);
    std::string wrongCheck = code;
    wrongCheck.back() = wrongCheck.back() == 'A' ? 'B' : 'A';
    EXPECT_NE(refusal(wrongCheck).find("抄错"), std::string::npos);
    std::string badChar = code;
    badChar[10] = 'U';
    EXPECT_NE(refusal(badChar).find("不是方案代码"), std::string::npos);

    // Codes made by hand with the right check character but impossible contents.
    auto forged = [](uint32_t appearance, uint32_t profession, uint32_t level,
                     std::array<int, 8> points) {
        // Re-encode the fields by writing them through the bit layout: appearance 5 bits,
        // profession 4, level 8, then eight counts of 8.
        unsigned __int128 bits = appearance;
        bits = (bits << 4) | profession;
        bits = (bits << 8) | level;
        for (int p : points) bits = (bits << 8) | static_cast<unsigned>(p);
        bits <<= 4;
        const std::string digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
        std::string payload;
        for (int i = 16; i >= 0; --i)
            payload += digits[static_cast<size_t>((bits >> (5 * i)) & 31)];
        // The check character is whichever of the 32 the reader takes.
        for (char c : digits) {
            const std::string candidate = "LY1" + payload + c;
            if (refusal(candidate).find("抄错") == std::string::npos) return candidate;
        }
        return std::string("no check character fits");
    };
    EXPECT_EQ(refusal(forged(1, 1, 50, {10, 10, 10, 10, 40, 0, 0, 0})), "accepted");
    EXPECT_NE(refusal(forged(21, 1, 50, {})).find("不存在"), std::string::npos);
    EXPECT_NE(refusal(forged(1, 9, 50, {})).find("不存在"), std::string::npos);
    EXPECT_NE(refusal(forged(1, 1, 0, {})).find("等级"), std::string::npos);
    EXPECT_NE(refusal(forged(1, 1, 201, {})).find("等级"), std::string::npos);
    EXPECT_NE(refusal(forged(0, 1, 2, {})).find("没选"), std::string::npos);
    EXPECT_NE(refusal(forged(1, 0, 2, {})).find("没选"), std::string::npos);
    EXPECT_NE(refusal(forged(1, 1, 50, {10, 10, 10, 11, 0, 0, 0, 0})).find("多"),
              std::string::npos);
    EXPECT_NE(refusal(forged(1, 1, 50, {0, 0, 0, 0, 0, 0, 0, 41})).find("多"), std::string::npos);
    EXPECT_NE(refusal(forged(1, 1, 10, {1, 0, 0, 0, 0, 0, 0, 0})).find("多"), std::string::npos);
}

TEST(BuildCode, RandomBytesOfEveryLengthAreRefusedWithABox) {
    std::mt19937 rng(99);
    for (size_t length = 0; length <= 200; ++length)
        for (int i = 0; i < 20; ++i) {
            std::string text(length, '\0');
            for (char& c : text) c = static_cast<char>(rng());
            if (i % 2)
                text.replace(0, std::min<size_t>(3, length),
                             std::string("LY1").substr(0, std::min<size_t>(3, length)));
            EXPECT_NE(refusal(text), "accepted") << length;
        }
}

}  // namespace
}  // namespace lymn::sim
