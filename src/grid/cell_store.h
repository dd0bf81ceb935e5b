// The cells of a grid, row after row, in pages of fixed size: a grid that
// grows by a month of rows at a time never copies what it holds or keeps
// twice the room it needs.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace quillon {

class CellStore {
 public:
  size_t Size() const { return size_; }
  // Cells added are 0.
  void Resize(size_t size);
  // Lets go of the pages whose cells all lie in [from, to): cells saved for
  // good, never to be read again. Their room is reused as the store grows.
  // A caller must not reach a let-go cell; Grid checks every access. Never
  // fails: the room to keep the pages was made as they were added.
  void ReleasePages(size_t from, size_t to) noexcept;
  uint32_t& operator[](size_t i) { return pages_[i >> kPageShift][i & kPageMask]; }
  uint32_t operator[](size_t i) const { return pages_[i >> kPageShift][i & kPageMask]; }
  size_t MemoryBytes() const;
  // Calls visit(run) for cells i .. i + count - 1 in order, as runs of
  // cells that lie together within a page, for readers that go through
  // millions of cells in a loop of their own.
  template <class Visit>
  void ForEachRun(size_t i, size_t count, Visit visit) const {
    while (count > 0) {
      size_t inPage = std::min(count, kPageCells - (i & kPageMask));
      visit(std::span<const uint32_t>(&pages_[i >> kPageShift][i & kPageMask], inPage));
      i += inPage;
      count -= inPage;
    }
  }
  // Calls visit(cell) for cells i, i + stride, ... (count of them, stride
  // 1 or more) in order: a column of a block of rows.
  template <class Visit>
  void ForEachInColumn(size_t i, size_t count, size_t stride, Visit visit) {
    while (count > 0) {
      size_t inPage = std::min(count, (kPageCells - 1 - (i & kPageMask)) / stride + 1);
      // Stepped only onto cells visited, never past the page's end.
      uint32_t* cell = &pages_[i >> kPageShift][i & kPageMask];
      visit(*cell);
      for (size_t k = 1; k < inPage; ++k) visit(*(cell += stride));
      i += inPage * stride;
      count -= inPage;
    }
  }

 private:
  static constexpr size_t kPageShift = 14;
  static constexpr size_t kPageCells = size_t{1} << kPageShift;
  static constexpr size_t kPageMask = kPageCells - 1;

  std::unique_ptr<uint32_t[]> NewPage();

  std::vector<std::unique_ptr<uint32_t[]>> pages_;  // empty where let go
  std::vector<std::unique_ptr<uint32_t[]>> spare_;  // let go, for the next pages
  size_t size_ = 0;
};

}  // namespace quillon
