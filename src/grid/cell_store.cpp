#include "grid/cell_store.h"

#include <algorithm>

namespace quillon {

void CellStore::Resize(size_t size) {
  size_t pages = (size + kPageCells - 1) >> kPageShift;
  if (size > size_) {
    // New pages come uninitialised and the tail of the last page may hold
    // cells of an earlier, larger size: every cell added is cleared once here.
    pages_.resize(pages);
    // Room for every page to be let go, made now so that letting go cannot fail.
    if (spare_.capacity() < pages) spare_.reserve(std::max(pages, 2 * spare_.capacity()));
    for (size_t i = size_; i < size; i = (i | kPageMask) + 1) {
      // A page let go gets room again once the store grows into it.
      std::unique_ptr<uint32_t[]>& held = pages_[i >> kPageShift];
      if (!held) held = NewPage();
      uint32_t* page = held.get();
      std::fill(page + (i & kPageMask), page + std::min(size - (i & ~kPageMask), kPageCells), 0);
    }
  } else {
    pages_.resize(pages);
  }
  size_ = size;
}

std::unique_ptr<uint32_t[]> CellStore::NewPage() {
  if (spare_.empty()) return std::make_unique_for_overwrite<uint32_t[]>(kPageCells);
  std::unique_ptr<uint32_t[]> page = std::move(spare_.back());
  spare_.pop_back();
  return page;
}

void CellStore::ReleasePages(size_t from, size_t to) noexcept {
  to = std::min(to, size_);
  for (size_t page = (from + kPageMask) >> kPageShift; (page + 1) << kPageShift <= to; ++page)
    if (pages_[page]) spare_.push_back(std::move(pages_[page]));
}

size_t CellStore::MemoryBytes() const {
  size_t held = static_cast<size_t>(std::count_if(
      pages_.begin(), pages_.end(), [](const auto& page) { return page != nullptr; }));
  return (held + spare_.size()) * kPageCells * sizeof(uint32_t) +
         (pages_.capacity() + spare_.capacity()) * sizeof(pages_[0]);
}

}  // namespace quillon
