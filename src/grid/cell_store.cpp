#include "grid/cell_store.h"

#include <algorithm>

namespace quillon {

void CellStore::Resize(size_t size) {
  size_t pages = (size + kPageCells - 1) >> kPageShift;
  if (size > size_) {
    // The tail of the last page may hold cells of an earlier, larger size.
    size_t stale = std::min(size, pages_.size() << kPageShift);
    for (size_t i = size_; i < stale; ++i) (*this)[i] = 0;
    while (pages_.size() < pages) pages_.push_back(std::make_unique<uint32_t[]>(kPageCells));
  } else {
    pages_.resize(pages);
  }
  size_ = size;
}

size_t CellStore::MemoryBytes() const {
  return pages_.size() * kPageCells * sizeof(uint32_t) + pages_.capacity() * sizeof(pages_[0]);
}

}  // namespace quillon
