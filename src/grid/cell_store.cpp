#include "grid/cell_store.h"

#include <algorithm>

namespace quillon {

void CellStore::Resize(size_t size) {
  size_t pages = (size + kPageCells - 1) >> kPageShift;
  if (size > size_) {
    // New pages come uninitialised and the tail of the last page may hold
    // cells of an earlier, larger size: every cell added is cleared once here.
    while (pages_.size() < pages)
      pages_.push_back(std::make_unique_for_overwrite<uint32_t[]>(kPageCells));
    for (size_t i = size_; i < size; i = (i | kPageMask) + 1) {
      uint32_t* page = pages_[i >> kPageShift].get();
      std::fill(page + (i & kPageMask), page + std::min(size - (i & ~kPageMask), kPageCells), 0);
    }
  } else {
    pages_.resize(pages);
  }
  size_ = size;
}

size_t CellStore::MemoryBytes() const {
  return pages_.size() * kPageCells * sizeof(uint32_t) + pages_.capacity() * sizeof(pages_[0]);
}

}  // namespace quillon
