#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace lymn {

// Reads what ByteWriter wrote. Reading past the end yields zeros and marks the reader failed,
// so a damaged input is detected once, at the end, instead of at every field.
class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == bytes_.size(); }

    uint8_t u8() { return take(1) ? bytes_[at_ - 1] : 0; }
    uint16_t u16() {
        const uint16_t lo = u8();
        return static_cast<uint16_t>(lo | (u8() << 8));
    }
    uint32_t u32() {
        const uint32_t lo = u16();
        return lo | (static_cast<uint32_t>(u16()) << 16);
    }
    uint64_t u64() {
        const uint64_t lo = u32();
        return lo | (static_cast<uint64_t>(u32()) << 32);
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    int64_t i64() { return static_cast<int64_t>(u64()); }
    std::string text() {
        const uint32_t n = u32();
        if (!take(n)) return {};
        return {reinterpret_cast<const char*>(bytes_.data() + at_ - n), n};
    }
    // The next n bytes, or an empty span when fewer are left.
    std::span<const uint8_t> raw(size_t n) {
        if (!take(n)) return {};
        return bytes_.subspan(at_ - n, n);
    }

  private:
    bool take(size_t n) {
        if (!ok_ || n > bytes_.size() - at_) {
            ok_ = false;
            return false;
        }
        at_ += n;
        return true;
    }

    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace lymn
