// The workbook's shared string table: every distinct cell text once, as
// UTF-16, in an SST record and as many CONTINUE records as it needs, with the
// EXTSST index that tells a reader where every few strings begin. Cells name
// their text by its index here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::xls {

class SharedStrings {
 public:
  // The most characters (UTF-16 units) a workbook cell holds.
  static constexpr size_t kMaxChars = 32767;

  // Adds a text that is not in the table yet and returns its index; none
  // when the text is longer than a cell may be.
  std::optional<uint32_t> Add(std::string_view text);
  // Counts more cells that show a string of the table.
  void CountUse(uint32_t cells = 1) { uses_ += cells; }

  uint32_t Unique() const { return static_cast<uint32_t>(entries_.size()); }
  uint32_t Uses() const { return uses_; }

  // Appends the SST, CONTINUE and EXTSST records to out, a stream in which
  // out's first byte lies at streamOffset.
  void AppendRecords(std::string& out, uint64_t streamOffset) const;

 private:
  struct Entry {
    size_t offset;  // in chars_
    uint32_t units;
    bool narrow;  // one byte per unit
  };
  std::string chars_;  // the characters as stored, entry after entry
  std::vector<Entry> entries_;
  uint32_t uses_ = 0;
};

}  // namespace quillon::xls
