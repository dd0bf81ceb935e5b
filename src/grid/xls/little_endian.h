// Integers as the file formats of a workbook store them: least significant
// byte first.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace quillon::xls {

inline void PutU8(std::string& out, uint8_t v) { out.push_back(static_cast<char>(v)); }

// Whole fields are appended at once: a workbook holds millions of them.
inline void PutU16(std::string& out, uint16_t v) {
  const char bytes[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
  out.append(bytes, 2);
}

inline void PutU32(std::string& out, uint32_t v) {
  const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8),
                         static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
  out.append(bytes, 4);
}

inline void PutU64(std::string& out, uint64_t v) {
  PutU32(out, static_cast<uint32_t>(v));
  PutU32(out, static_cast<uint32_t>(v >> 32));
}

// Fields of a record put together in place, for records written by the
// million and appended whole.
inline void StoreU16(char* at, uint16_t v) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(at, &v, sizeof v);
  } else {
    at[0] = static_cast<char>(v);
    at[1] = static_cast<char>(v >> 8);
  }
}

inline void StoreU32(char* at, uint32_t v) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(at, &v, sizeof v);
  } else {
    StoreU16(at, static_cast<uint16_t>(v));
    StoreU16(at + 2, static_cast<uint16_t>(v >> 16));
  }
}

// Replaces four bytes at offset, for fields known only later.
inline void SetU32(std::string& out, size_t offset, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out[offset + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
}

}  // namespace quillon::xls
