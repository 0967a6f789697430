#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace lymn {

// Appends little-endian integers and length-prefixed texts to a byte vector.
class ByteWriter {
  public:
    void reserve(size_t n) { bytes_.reserve(n); }
    void u8(uint8_t v) { bytes_.push_back(v); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void u64(uint64_t v) {
        u32(static_cast<uint32_t>(v));
        u32(static_cast<uint32_t>(v >> 32));
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void i64(int64_t v) { u64(static_cast<uint64_t>(v)); }
    void text(std::string_view s) {
        u32(static_cast<uint32_t>(s.size()));
        raw(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    }
    void raw(const uint8_t* data, size_t size) { bytes_.insert(bytes_.end(), data, data + size); }

    std::vector<uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace lymn
