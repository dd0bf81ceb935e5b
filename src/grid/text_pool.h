// The distinct texts of a grid, each stored once and named by a small id.
// A timed-record run appends hundreds of station-months of mostly short,
// repeated texts ("-", "0", "1013"); a cell then costs its id, not a string.
#pragma once

#include <cstdint>
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

  TextPool();

  // The id of the text, storing it first when it is new. Throws
  // std::length_error once kMaxId texts are stored.
  TextId Intern(std::string_view text);
  // The text of an id from Intern; throws std::out_of_range for any other.
  std::string_view Text(TextId id) const;
  size_t Count() const { return texts_.size(); }
  // Bytes held: the characters, the id table and the lookup table.
  size_t MemoryBytes() const;

 private:
  std::string_view Store(std::string_view text);
  size_t SlotOf(std::string_view text) const;
  void GrowSlots();

  // Characters live in fixed blocks that never move, so a text's view stays
  // valid for the pool's lifetime.
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;  // the unused end of the block being filled
  size_t freeBytes_ = 0;
  size_t storedBytes_ = 0;
  std::vector<std::string_view> texts_;
  // Open addressing over ids; kFree marks an unused slot.
  static constexpr TextId kFree = ~TextId{0};
  std::vector<TextId> slots_;
};

}  // namespace quillon
