#include "grid/xls/shared_strings.h"

#include <algorithm>

#include "grid/xls/biff_records.h"
#include "grid/xls/little_endian.h"
#include "grid/xls/utf16.h"

namespace quillon::xls {
namespace {

constexpr uint32_t kMaxIndexBuckets = 128;
constexpr uint32_t kMinStringsPerBucket = 8;

// Collects record data and closes a record whenever the next piece would not
// fit, opening a CONTINUE record for the rest.
class RecordChain {
 public:
  explicit RecordChain(std::string& out) : out_(out) { Open(record::kSst); }

  size_t Room() const { return kMaxRecordData - (out_.size() - dataStart_); }
  // Where the next byte goes: from the start of out, and from its record's.
  size_t Position() const { return out_.size(); }
  size_t PositionInRecord() const { return out_.size() - dataStart_ + 4; }

  void Continue() {
    Close();
    Open(record::kContinue);
  }
  void Close() { SetLength(); }

 private:
  void Open(uint16_t id) {
    PutU16(out_, id);
    PutU16(out_, 0);
    dataStart_ = out_.size();
  }
  void SetLength() {
    auto length = static_cast<uint16_t>(out_.size() - dataStart_);
    out_[dataStart_ - 2] = static_cast<char>(length & 0xFF);
    out_[dataStart_ - 1] = static_cast<char>(length >> 8);
  }

  std::string& out_;
  size_t dataStart_ = 0;
};

}  // namespace

std::optional<uint32_t> SharedStrings::Add(std::string_view text) {
  std::u16string units = Utf8ToUtf16(text);
  if (units.size() > kMaxChars) return std::nullopt;
  Entry entry{chars_.size(), static_cast<uint32_t>(units.size()), FitsOneByte(units)};
  for (char16_t u : units)
    entry.narrow ? PutU8(chars_, static_cast<uint8_t>(u)) : PutU16(chars_, u);
  entries_.push_back(entry);
  return static_cast<uint32_t>(entries_.size() - 1);
}

void SharedStrings::AppendRecords(std::string& out, uint64_t streamOffset) const {
  uint32_t perBucket = std::max(kMinStringsPerBucket, Unique() / kMaxIndexBuckets + 1);
  std::string index;
  PutU16(index, static_cast<uint16_t>(perBucket));

  RecordChain chain(out);
  PutU32(out, uses_);
  PutU32(out, Unique());
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    size_t unitBytes = e.narrow ? 1 : 2;
    // The length and flag stay with at least the first character.
    if (chain.Room() < 3 + unitBytes) chain.Continue();
    if (i % perBucket == 0) {
      PutU32(index, static_cast<uint32_t>(streamOffset + chain.Position()));
      PutU16(index, static_cast<uint16_t>(chain.PositionInRecord()));
      PutU16(index, 0);
    }
    PutU16(out, static_cast<uint16_t>(e.units));
    PutU8(out, e.narrow ? 0 : 1);
    std::string_view chars(chars_.data() + e.offset, e.units * unitBytes);
    for (;;) {
      size_t take = std::min(chars.size(), chain.Room() / unitBytes * unitBytes);
      out.append(chars.substr(0, take));
      chars.remove_prefix(take);
      if (chars.empty()) break;
      // Every continuation of a string says again how its characters are stored.
      chain.Continue();
      PutU8(out, e.narrow ? 0 : 1);
    }
  }
  chain.Close();
  AppendRecord(out, record::kExtSst, index);
}

}  // namespace quillon::xls
