#include "afile/element_table.h"

#include <stdexcept>

namespace quillon {

void ElementTable::Resize(int days, int firstSlot, int lastSlot) {
  if (days < 0 || firstSlot < 0 || lastSlot < firstSlot - 1)
    throw std::invalid_argument("ElementTable::Resize: bad size");
  days_ = days;
  firstSlot_ = firstSlot;
  lastSlot_ = lastSlot;
  decodedOnRead_ = ReadDecoding::None;
  // The cells of the month before are emptied rather than made anew: a
  // reader fills the same tables file after file.
  size_t count = static_cast<size_t>(days) * static_cast<size_t>(lastSlot - firstSlot + 1);
  if (cells_.size() > count) cells_.resize(count);
  for (std::string& cell : cells_) cell.clear();
  cells_.resize(count);
}

void ElementTable::Erase() {
  // The cells stay for the next Resize; without rows none can be reached.
  days_ = 0;
  firstSlot_ = 1;
  lastSlot_ = 0;
  decodedOnRead_ = ReadDecoding::None;
}

std::span<std::string> ElementTable::Slots(int day, int first, int last) {
  if (last < first) return {};
  size_t begin = IndexOf(day, first);
  size_t end = IndexOf(day, last) + 1;
  return std::span<std::string>(cells_).subspan(begin, end - begin);
}

std::span<const std::string> ElementTable::Slots(int day, int first, int last) const {
  return const_cast<ElementTable*>(this)->Slots(day, first, last);
}

void ElementTable::ThrowOutside(int day, int slot) const {
  throw std::out_of_range("day " + std::to_string(day) + " slot " + std::to_string(slot) +
                          " outside the table (" + std::to_string(days_) + " days, slots " +
                          std::to_string(firstSlot_) + ".." + std::to_string(lastSlot_) + ")");
}

void TextList::Resize(int first, int last) {
  if (first < 0 || last < first - 1) throw std::invalid_argument("TextList::Resize: bad size");
  first_ = first;
  items_.assign(static_cast<size_t>(last - first + 1), {});
}

void TextList::Grow(int last) {
  if (last > Last()) items_.resize(static_cast<size_t>(last - first_ + 1));
}

void TextList::Erase() { items_.clear(); }

std::string& TextList::At(int i) {
  if (!Contains(i)) throw std::out_of_range("entry " + std::to_string(i) + " outside the list");
  return items_[static_cast<size_t>(i - first_)];
}
const std::string& TextList::At(int i) const { return const_cast<TextList*>(this)->At(i); }

}  // namespace quillon
