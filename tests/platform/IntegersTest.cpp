#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/Integers.h"

namespace lymn {
namespace {

std::string errorOf(std::string_view text) {
    try {
        strToInt(text);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(Integers, AcceptsBlanksSignDecimalAndHexadecimal) {
    EXPECT_EQ(strToInt("1"), 1);
    EXPECT_EQ(strToInt("  35"), 35);
    EXPECT_EQ(strToInt("-5"), -5);
    EXPECT_EQ(strToInt("+7"), 7);
    EXPECT_EQ(strToInt("007"), 7);
    EXPECT_EQ(strToInt("$FF"), 255);
    EXPECT_EQ(strToInt("0x1f"), 31);
    EXPECT_EQ(strToInt("-$10"), -16);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), INT32_MIN);
}

TEST(Integers, RejectsEverythingElseWithTheConversionMessage) {
    EXPECT_EQ(errorOf(""), "'' is not a valid integer value");
    EXPECT_EQ(errorOf("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(errorOf("-"), "'-' is not a valid integer value");
    EXPECT_EQ(errorOf("12abc"), "'12abc' is not a valid integer value");
    EXPECT_EQ(errorOf("1 "), "'1 ' is not a valid integer value");
    EXPECT_EQ(errorOf("1-"), "'1-' is not a valid integer value");
    EXPECT_EQ(errorOf("$"), "'$' is not a valid integer value");
    EXPECT_EQ(errorOf("0x"), "'0x' is not a valid integer value");
    EXPECT_EQ(errorOf("1.5"), "'1.5' is not a valid integer value");
    EXPECT_EQ(errorOf("２"), "'２' is not a valid integer value");  // full-width digit
    // Out of the 32-bit range.
    EXPECT_EQ(errorOf("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(errorOf("-2147483649"), "'-2147483649' is not a valid integer value");
    EXPECT_EQ(errorOf("99999999999999999999999"),
              "'99999999999999999999999' is not a valid integer value");
    EXPECT_EQ(errorOf("$80000000"), "'$80000000' is not a valid integer value");
}

TEST(Integers, WiderResultsRaiseInsteadOfWrapping) {
    EXPECT_EQ(checkedInt32(int64_t{INT32_MAX}), INT32_MAX);
    EXPECT_EQ(checkedInt32(int64_t{INT32_MIN}), INT32_MIN);
    EXPECT_EQ(checkedInt32(-21), -21);
    try {
        checkedInt32(int64_t{INT32_MAX} + 1);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
    }
    EXPECT_THROW(checkedInt32(int64_t{INT32_MIN} - 1), Error);
    EXPECT_THROW(checkedInt32(int64_t{65536} * 65536), Error);
    EXPECT_EQ(intToStr(-42), "-42");
    EXPECT_EQ(intToStr(0), "0");
}

}  // namespace
}  // namespace lymn
