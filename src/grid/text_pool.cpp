#include "grid/text_pool.h"

#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

namespace quillon {
namespace {

constexpr size_t kBlockBytes = 64 * 1024;
// Longer texts get a block of their own instead of wasting a shared one.
constexpr size_t kOwnBlockFrom = kBlockBytes / 4;
constexpr size_t kFirstSlots = 64;

uint64_t Load64(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

}  // namespace

uint64_t TextPool::LongKeyOf(std::string_view text) {
  const char* p = text.data();
  size_t n = text.size();
  uint64_t h = n;
  for (size_t i = 0; i + 8 < n; i += 8) h = ((h ^ Load64(p + i)) * kGolden) ^ (h >> 29);
  return ((h ^ Load64(p + n - 8)) * kGolden) ^ (h >> 29);
}

TextId TextPool::InternLong(std::string_view text) {
  uint64_t key = LongKeyOf(text);
  auto length = static_cast<uint32_t>(text.size());
  for (size_t slot = HomeSlot(key, text.size());; slot = (slot + 1) & mask_) {
    const Slot& s = slots_[slot];
    if (s.id == kFree) return Add(text, key, slot);
    if (s.key == key && s.length == length && texts_[s.id] == text) return s.id;
  }
}

TextPool::TextPool()
    : texts_{std::string_view()},
      slots_(kFirstSlots),
      mask_(kFirstSlots - 1),
      slotShift_(64 - std::countr_zero(kFirstSlots)) {}

void TextPool::GrowSlots() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  --slotShift_;
  mask_ = slots_.size() - 1;
  // The texts are distinct: each goes to the first free slot from its home.
  for (const Slot& moved : old) {
    if (moved.id == kFree) continue;
    size_t slot = HomeSlot(moved.key, texts_[moved.id].size());
    while (slots_[slot].id != kFree) slot = (slot + 1) & mask_;
    slots_[slot] = moved;
  }
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

TextId TextPool::Add(std::string_view text, uint64_t key, size_t slot) {
  if (texts_.size() > kMaxId) throw std::length_error("too many distinct texts in one grid");
  auto id = static_cast<TextId>(texts_.size());
  texts_.push_back(Store(text));
  slots_[slot] = {key, static_cast<uint32_t>(text.size()), id};
  if (texts_.size() * 2 > slots_.size()) GrowSlots();
  return id;
}

std::string_view TextPool::Text(TextId id) const {
  if (id >= texts_.size()) throw std::out_of_range("text id " + std::to_string(id) + " unknown");
  return texts_[id];
}

size_t TextPool::MemoryBytes() const {
  return storedBytes_ + texts_.capacity() * sizeof(std::string_view) +
         slots_.capacity() * sizeof(Slot) + blocks_.capacity() * sizeof(blocks_[0]);
}

}  // namespace quillon
