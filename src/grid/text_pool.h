// The distinct texts of a grid, each stored once and named by a small id.
// A timed-record run appends hundreds of station-months of mostly short,
// repeated texts ("-", "0", "1013"); a cell then costs its id, not a string.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace quillon {

using TextId = uint32_t;

class TextPool {
 public:
  // Ids run from 0 (the empty text, always present) to Count() - 1.
  static constexpr TextId kEmpty = 0;
  static constexpr TextId kMaxId = (TextId{1} << 30) - 1;
  static constexpr size_t kShortText = 7;  // bytes that a tag holds exactly

  TextPool();

  // The id of the text, storing it first when it is new. Throws
  // std::length_error once kMaxId texts are stored. Inline: every cell
  // written to a grid comes through here, most of them a few characters.
  TextId Intern(std::string_view text) {
    if (text.empty()) return kEmpty;
    if (text.size() > kShortText) return InternLong(text);
    uint64_t tag = ShortTagOf(text);
    for (size_t slot = HomeSlot(tag);; slot = (slot + 1) & mask_) {
      const Slot& s = slots_[slot];
      if (s.tag == tag) return s.id;
      if (s.tag == kFreeTag) return Add(text, tag, slot);
    }
  }
  // The text of an id from Intern; throws std::out_of_range for any other.
  std::string_view Text(TextId id) const;
  size_t Count() const { return texts_.size(); }
  // Bytes held: the characters, the id table and the lookup table.
  size_t MemoryBytes() const;

 private:
  // Open addressing over ids; a slot keeps the tag of its text, so that a
  // short text is found by one comparison, without reading the stored
  // characters.
  static constexpr uint64_t kFreeTag = 0;
  struct Slot {
    uint64_t tag = kFreeTag;
    TextId id = 0;
  };

  static constexpr uint64_t kGolden = 0x9e3779b97f4a7c15u;  // 2^64 / golden ratio, odd
  // A longer text's tag: a hash of its 8-byte words with the top byte set,
  // so that it never equals a short text's tag; it is still compared in full.
  static constexpr uint64_t kLongTagBits = uint64_t{0xFF} << 56;

  // A text of 1 to 7 bytes is its own tag: the bytes in reading order from
  // the lowest, and the length in the top byte, which no other text shares.
  // Each length is read straight, without a loop over the bytes.
  static uint64_t ShortTagOf(std::string_view text) {
    const char* p = text.data();
    uint64_t n = text.size();
    uint64_t bytes = 0;
    switch (n) {
      case 7:
        bytes = Byte(p, 6) << 48;
        [[fallthrough]];
      case 6:
        bytes |= Byte(p, 5) << 40;
        [[fallthrough]];
      case 5:
        bytes |= Byte(p, 4) << 32;
        [[fallthrough]];
      case 4:
        return bytes | Load32(p) | n << 56;
      case 3:
        bytes = Byte(p, 2) << 16;
        [[fallthrough]];
      case 2:
        return bytes | Load16(p) | n << 56;
      default:
        return Byte(p, 0) | n << 56;
    }
  }
  static uint64_t LongTagOf(std::string_view text);
  static uint64_t Byte(const char* p, size_t i) { return static_cast<unsigned char>(p[i]); }
  // The two or four bytes at `at`, the first in the lowest bits.
  static uint32_t Load16(const char* at) {
    uint16_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
      word = static_cast<uint16_t>((word >> 8) | (word << 8));
    return word;
  }
  static uint32_t Load32(const char* at) {
    uint32_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
      word = (word >> 24) | ((word >> 8) & 0xFF00) | ((word << 8) & 0xFF0000) | (word << 24);
    return word;
  }
  // Fibonacci hashing: the top bits of the product depend on every tag bit.
  size_t HomeSlot(uint64_t tag) const { return static_cast<size_t>((tag * kGolden) >> slotShift_); }

  // Out of line, like every rare path, so that the lookup stays small.
  TextId InternLong(std::string_view text);
  TextId Add(std::string_view text, uint64_t tag, size_t slot);
  std::string_view Store(std::string_view text);
  void GrowSlots();

  // Characters live in fixed blocks that never move, so a text's view stays
  // valid for the pool's lifetime.
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;  // the unused end of the block being filled
  size_t freeBytes_ = 0;
  size_t storedBytes_ = 0;
  std::vector<std::string_view> texts_;
  std::vector<Slot> slots_;
  size_t mask_;    // the slot count - 1
  int slotShift_;  // 64 - log2 of the slot count: the hash bits kept
};

}  // namespace quillon
