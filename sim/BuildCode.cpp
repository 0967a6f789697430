#include "sim/BuildCode.h"

#include <algorithm>
#include <cstdint>

#include "platform/Error.h"
#include "sim/CodeTables.h"

namespace lymn::sim {

namespace {

constexpr char kNotACode[] = "伙计,这不是方案代码.方案代码以LY开头,共21个字.";
constexpr char kOtherVersion[] = "这个方案代码的版本不认识,可能是更新的模拟器做的.";
constexpr char kBadCheck[] = "方案代码对不上,可能抄错了一个字.";
constexpr char kUnknownCodes[] = "方案代码里的角色或职业不存在.";
constexpr char kBadLevel[] = "方案代码里的等级不对,只能是1到200.";
constexpr char kNotPicked[] = "方案代码里没选角色和职业,却升了级.";
constexpr char kTooManyPoints[] = "方案代码里加的点比等级给的多.";

constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kPayloadChars = 17;  // 85 bits: 81 used, the rest zero
constexpr int kPointBits = 8;

// The value of a base-32 character, read as people copy it: O as 0, I and L as 1.
int digitValue(char c) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c == 'O') c = '0';
    if (c == 'I' || c == 'L') c = '1';
    const size_t at = kDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The check character over the payload's values: the Luhn scheme in base 32, which catches any
// one changed character and two neighbours swapped (but for "0" and "Z").
int checkValue(const std::array<int, kPayloadChars>& values) {
    int sum = 0;
    bool twice = true;
    for (int i = kPayloadChars - 1; i >= 0; --i, twice = !twice) {
        int v = values[static_cast<size_t>(i)];
        if (twice) {
            v *= 2;
            v = v / 32 + v % 32;
        }
        sum += v;
    }
    return (32 - sum % 32) % 32;
}

// The build's fields as bits, most significant first.
struct BitPacker {
    unsigned __int128 bits = 0;
    int count = 0;
    void put(uint32_t value, int width) {
        bits = (bits << width) | value;
        count += width;
    }
};

struct BitReader {
    unsigned __int128 bits;
    int left;
    uint32_t take(int width) {
        left -= width;
        return static_cast<uint32_t>((bits >> left) & ((1u << width) - 1));
    }
};

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool startsWithLy(std::string_view t) {
    return t.size() >= 2 && std::toupper(static_cast<unsigned char>(t[0])) == 'L' &&
           std::toupper(static_cast<unsigned char>(t[1])) == 'Y';
}

}  // namespace

std::string BuildCode::encode(const Build& b) {
    const int appearance = itemIndexOf(AppearanceTable, b.appearance);
    const int profession = itemIndexOf(ProfessionTable, b.profession.empty() ? "0" : b.profession);
    if (appearance < 0 || profession < 0 || b.level < 1 || b.level > 200)
        throw Error(kUnknownCodes);
    BitPacker p;
    p.put(static_cast<uint32_t>(appearance), 5);
    p.put(static_cast<uint32_t>(profession), 4);
    p.put(static_cast<uint32_t>(b.level), 8);
    for (int v : b.attributes) p.put(static_cast<uint32_t>(std::clamp(v, 0, 255)), kPointBits);
    for (int v : b.resistances) p.put(static_cast<uint32_t>(std::clamp(v, 0, 255)), kPointBits);
    p.put(0, kPayloadChars * 5 - p.count);
    std::array<int, kPayloadChars> values{};
    BitReader r{p.bits, kPayloadChars * 5};
    std::string out(kTag);
    for (int& v : values) {
        v = static_cast<int>(r.take(5));
        out += kDigits[static_cast<size_t>(v)];
    }
    out += kDigits[static_cast<size_t>(checkValue(values))];
    return out;
}

Build BuildCode::decode(std::string_view text) {
    const std::string_view t = trimmed(text);
    if (!startsWithLy(t)) throw Error(kNotACode);
    if (t.size() >= 3 && t[2] >= '0' && t[2] <= '9' && t[2] != kTag[2]) throw Error(kOtherVersion);
    if (t.size() != kLength || t[2] != kTag[2]) throw Error(kNotACode);
    std::array<int, kPayloadChars> values{};
    unsigned __int128 bits = 0;
    for (int i = 0; i < kPayloadChars; ++i) {
        const int v = digitValue(t[kTag.size() + static_cast<size_t>(i)]);
        if (v < 0) throw Error(kNotACode);
        values[static_cast<size_t>(i)] = v;
        bits = (bits << 5) | static_cast<unsigned>(v);
    }
    const int check = digitValue(t.back());
    if (check < 0) throw Error(kNotACode);
    if (check != checkValue(values)) throw Error(kBadCheck);
    BitReader r{bits, kPayloadChars * 5};
    const auto appearance = r.take(5);
    const auto profession = r.take(4);
    Build b;
    b.level = static_cast<int>(r.take(8));
    for (int& v : b.attributes) v = static_cast<int>(r.take(kPointBits));
    for (int& v : b.resistances) v = static_cast<int>(r.take(kPointBits));
    if (r.take(r.left) != 0) throw Error(kNotACode);
    if (appearance >= AppearanceTable.size() || profession >= ProfessionTable.size())
        throw Error(kUnknownCodes);
    b.appearance = std::string(AppearanceTable[appearance].code);
    b.profession = std::string(ProfessionTable[profession].code);
    if (b.level < 1 || b.level > 200) throw Error(kBadLevel);
    if (b.level > 1 && (appearance == 0 || profession == 0)) throw Error(kNotPicked);
    const int free = Build::pointsOfLevel(b.level);
    auto sum = [](const std::array<int, 4>& a) { return a[0] + a[1] + a[2] + a[3]; };
    if (sum(b.attributes) > free || sum(b.resistances) > free) throw Error(kTooManyPoints);
    return b;
}

}  // namespace lymn::sim
