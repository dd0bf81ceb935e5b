// The distinct texts of a grid, each stored once and named by a small id.
// A timed-record run appends hundreds of station-months of mostly short,
// repeated texts ("-", "0", "1013"); a cell then costs its id, not a string.
#pragma once

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
  static constexpr size_t kShortText = 8;  // bytes that key a text exactly

  TextPool();

  // The id of the text, storing it first when it is new. Throws
  // std::length_error once kMaxId texts are stored. Inline: every cell
  // written to a grid comes through here, most of them a few characters.
  TextId Intern(std::string_view text) {
    if (text.empty()) return kEmpty;
    if (text.size() > kShortText) return InternLong(text);
    uint64_t key = ShortKeyOf(text);
    auto length = static_cast<uint32_t>(text.size());
    // A free slot never matches: its length is 0.
    for (size_t slot = HomeSlot(key, length);; slot = (slot + 1) & mask_) {
      const Slot& s = slots_[slot];
      if (s.key == key && s.length == length) return s.id;
      if (s.id == kFree) return Add(text, key, slot);
    }
  }
  // The text of an id from Intern; throws std::out_of_range for any other.
  std::string_view Text(TextId id) const;
  size_t Count() const { return texts_.size(); }
  // Bytes held: the characters, the id table and the lookup table.
  size_t MemoryBytes() const;

 private:
  // Open addressing over ids; a slot keeps the key and length of its text,
  // so that a short text is found without reading the stored characters.
  static constexpr TextId kFree = ~TextId{0};
  struct Slot {
    uint64_t key = 0;
    uint32_t length = 0;  // of a longer text: its length modulo 2^32
    TextId id = kFree;
  };

  static constexpr uint64_t kGolden = 0x9e3779b97f4a7c15u;  // 2^64 / golden ratio, odd

  // A text of 1 to 8 bytes is its own key: the bytes themselves, read as two
  // overlapping halves (or first, middle and last byte), which together with
  // the length name the text exactly. A longer text is keyed by a hash of its
  // 8-byte words and still compared in full.
  static uint64_t ShortKeyOf(std::string_view text) {
    const char* p = text.data();
    size_t n = text.size();
    if (n >= 4) return Load32(p) | uint64_t{Load32(p + n - 4)} << 32;
    auto byte = [p](size_t i) { return uint64_t{static_cast<unsigned char>(p[i])}; };
    return byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16;
  }
  static uint64_t LongKeyOf(std::string_view text);
  static uint32_t Load32(const char* at) {
    uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
  }
  // Fibonacci hashing: the top bits of the product depend on every key bit.
  size_t HomeSlot(uint64_t key, size_t length) const {
    return static_cast<size_t>(((key ^ length) * kGolden) >> slotShift_);
  }

  // Out of line, like every rare path, so that the lookup stays small.
  TextId InternLong(std::string_view text);
  TextId Add(std::string_view text, uint64_t key, size_t slot);
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
