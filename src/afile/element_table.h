// One element table of a station-month: text cells by day and slot.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace quillon {

// Days run from 1 to Days(); slots from FirstSlot() (0 or 1, as the table
// states) to LastSlot(). Every access is bounds-checked: a day or slot outside
// the table throws std::out_of_range, so a malformed file can never write
// past a table.
class ElementTable {
 public:
  // Gives the table days x [firstSlot, lastSlot] empty cells.
  void Resize(int days, int firstSlot, int lastSlot);
  // Leaves the table without rows.
  void Erase();

  int Days() const { return days_; }
  int FirstSlot() const { return firstSlot_; }
  int LastSlot() const { return lastSlot_; }
  bool HasRows() const { return days_ > 0; }
  // How much of the decoding the reader did as it placed the groups:
  // nothing; every group that starts as a reading (a digit or "-") made
  // plain; or all, every cell empty or such a reading, so that the decoder
  // has nothing left to do. Resize and Erase set None.
  enum class ReadDecoding { None, ReadingsPlain, Complete };
  ReadDecoding DecodedOnRead() const { return decodedOnRead_; }
  void SetDecodedOnRead(ReadDecoding done) { decodedOnRead_ = done; }
  bool Contains(int day, int slot) const {
    return day >= 1 && day <= days_ && slot >= firstSlot_ && slot <= lastSlot_;
  }

  std::string& At(int day, int slot) { return cells_[IndexOf(day, slot)]; }
  const std::string& At(int day, int slot) const { return cells_[IndexOf(day, slot)]; }
  // Slots first..last of a day, checked once: a reader fills the values of
  // a line in one go. Empty when last is before first.
  std::span<std::string> Slots(int day, int first, int last);
  std::span<const std::string> Slots(int day, int first, int last) const;

 private:
  // Inline: the decoders and writers visit every cell of a month.
  size_t IndexOf(int day, int slot) const {
    if (!Contains(day, slot)) ThrowOutside(day, slot);
    return static_cast<size_t>(day - 1) * static_cast<size_t>(lastSlot_ - firstSlot_ + 1) +
           static_cast<size_t>(slot - firstSlot_);
  }
  [[noreturn]] void ThrowOutside(int day, int slot) const;

  int days_ = 0;
  int firstSlot_ = 1;
  int lastSlot_ = 0;
  ReadDecoding decodedOnRead_ = ReadDecoding::None;
  std::vector<std::string> cells_;
};

// In 28-slot tables slots 26 and 28 hold the times of the day's extremes
// (hhmm), which must not be read as values.
inline bool IsExtremeTimeSlot(const ElementTable& table, int slot) {
  return table.LastSlot() - table.FirstSlot() == 27 && (slot == 26 || slot == 28);
}

// A one-dimensional text list with its own first index: TableR4 (1..3),
// CoverLines (1..12), the note blocks (0..n), SectionModes (1..20).
class TextList {
 public:
  // Gives the list entries first..last, all empty.
  void Resize(int first, int last);
  // Enlarges the list to end at last, keeping its entries.
  void Grow(int last);
  void Erase();

  int First() const { return first_; }
  int Last() const { return first_ + static_cast<int>(items_.size()) - 1; }
  bool Empty() const { return items_.empty(); }
  bool Contains(int i) const { return i >= first_ && i <= Last(); }

  std::string& At(int i);
  const std::string& At(int i) const;

 private:
  int first_ = 1;
  std::vector<std::string> items_;
};

}  // namespace quillon
