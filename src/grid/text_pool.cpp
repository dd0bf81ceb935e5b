#include "grid/text_pool.h"

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

namespace quillon {
namespace {

constexpr size_t kBlockBytes = 64 * 1024;
// Longer texts get a block of their own instead of wasting a shared one.
constexpr size_t kOwnBlockFrom = kBlockBytes / 4;

}  // namespace

TextPool::TextPool() : texts_{std::string_view()}, slots_(64, kFree) {}

size_t TextPool::SlotOf(std::string_view text) const {
  size_t mask = slots_.size() - 1;
  size_t slot = std::hash<std::string_view>{}(text)&mask;
  while (slots_[slot] != kFree && texts_[slots_[slot]] != text) slot = (slot + 1) & mask;
  return slot;
}

void TextPool::GrowSlots() {
  std::vector<TextId> old(slots_.size() * 2, kFree);
  old.swap(slots_);
  for (TextId id : old)
    if (id != kFree) slots_[SlotOf(texts_[id])] = id;
}

std::string_view TextPool::Store(std::string_view text) {
  char* at;
  if (text.size() >= kOwnBlockFrom) {
    blocks_.push_back(std::make_unique<char[]>(text.size()));
    storedBytes_ += text.size();
    at = blocks_.back().get();
  } else {
    if (freeBytes_ < text.size()) {
      blocks_.push_back(std::make_unique<char[]>(kBlockBytes));
      storedBytes_ += kBlockBytes;
      free_ = blocks_.back().get();
      freeBytes_ = kBlockBytes;
    }
    at = free_;
    free_ += text.size();
    freeBytes_ -= text.size();
  }
  std::memcpy(at, text.data(), text.size());
  return {at, text.size()};
}

TextId TextPool::Intern(std::string_view text) {
  if (text.empty()) return kEmpty;
  size_t slot = SlotOf(text);
  if (slots_[slot] != kFree) return slots_[slot];
  if (texts_.size() > kMaxId) throw std::length_error("too many distinct texts in one grid");
  auto id = static_cast<TextId>(texts_.size());
  texts_.push_back(Store(text));
  slots_[slot] = id;
  if (texts_.size() * 2 > slots_.size()) GrowSlots();
  return id;
}

std::string_view TextPool::Text(TextId id) const {
  if (id >= texts_.size()) throw std::out_of_range("text id " + std::to_string(id) + " unknown");
  return texts_[id];
}

size_t TextPool::MemoryBytes() const {
  return storedBytes_ + texts_.capacity() * sizeof(std::string_view) +
         slots_.capacity() * sizeof(TextId) + blocks_.capacity() * sizeof(blocks_[0]);
}

}  // namespace quillon
