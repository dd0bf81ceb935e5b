#include "grid/xlsx/package_check.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace quillon::xlsx {
namespace {

constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr uint32_t kEndOfDirectory64 = 0x06064b50;
constexpr uint32_t kEndLocator64 = 0x07064b50;
constexpr uint32_t kDirectoryEntry = 0x02014b50;
constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint16_t kZip64Extra = 0x0001;
constexpr uint16_t kStored = 0, kDeflated = 8;
constexpr size_t kChunk = 1 << 16;
constexpr size_t kCarry = 64;  // bytes kept between chunks, longer than any marker

uint64_t Le(std::string_view b, size_t at, int bytes) {
  if (at + static_cast<size_t>(bytes) > b.size())
    throw std::out_of_range("zip field past its record");
  uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = v << 8 | static_cast<uint8_t>(b[at + static_cast<size_t>(i)]);
  return v;
}

class Reader {
 public:
  explicit Reader(const std::string& path) : in_(path, std::ios::binary) {
    in_.seekg(0, std::ios::end);
    size_ = in_ ? static_cast<uint64_t>(in_.tellg()) : 0;
  }
  uint64_t Size() const { return size_; }
  std::string Read(uint64_t at, size_t bytes) {
    if (at > size_) return {};
    bytes = static_cast<size_t>(std::min<uint64_t>(bytes, size_ - at));
    std::string out(bytes, '\0');
    in_.seekg(static_cast<std::streamoff>(at));
    in_.read(out.data(), static_cast<std::streamsize>(bytes));
    out.resize(static_cast<size_t>(in_.gcount()));
    in_.clear();
    return out;
  }

 private:
  std::ifstream in_;
  uint64_t size_ = 0;
};

struct Entry {
  std::string name;
  uint16_t method = 0;
  uint64_t compressed = 0;
  uint64_t localHeader = 0;
};

// What the check wants to know of a part's content, gathered chunk by chunk.
struct PartScan {
  std::string head;        // the first bytes, with the root element's name
  std::string carry;       // the last bytes seen
  uint64_t seen = 0;       // bytes seen before the carry
  long lastRow = 0;        // the number of the last <row r="..."> seen
  uint64_t lastRowAt = 0;  // where it starts, and where the last cell does
  uint64_t lastCellAt = 0;
  bool cellsClosed = false;  // "</row></sheetData>": the last row, with cells, ended
  bool emptyClosed = false;  // "/></sheetData>": the last row, without cells, ended

  void Add(std::string_view chunk) {
    if (head.size() < 512) head.append(chunk.substr(0, 512 - head.size()));
    std::string window = carry;
    window.append(chunk);
    constexpr std::string_view kRow = "<row r=\"", kCell = "<c r=\"";
    for (size_t at = window.find(kRow); at != std::string::npos; at = window.find(kRow, at + 1)) {
      size_t end = window.find('"', at + kRow.size());
      if (end == std::string::npos) break;
      lastRow = std::stol(window.substr(at + kRow.size(), end - at - kRow.size()));
      lastRowAt = seen + at;
    }
    if (size_t at = window.rfind(kCell); at != std::string::npos) lastCellAt = seen + at;
    cellsClosed = cellsClosed || window.find("</row></sheetData>") != std::string::npos;
    emptyClosed = emptyClosed || window.find("/></sheetData>") != std::string::npos;
    size_t keep = std::min(window.size(), kCarry);
    seen += window.size() - keep;
    carry = window.substr(window.size() - keep);
  }
  bool RowsWhole(long expectedLastRow) const {
    if (expectedLastRow == 0) return true;
    bool closed = lastCellAt > lastRowAt ? cellsClosed : emptyClosed;
    return lastRow == expectedLastRow && closed;
  }
  std::string Root() const {
    size_t at = head.find('<');
    while (at != std::string::npos && at + 1 < head.size() && head[at + 1] == '?')
      at = head.find('<', at + 1);
    if (at == std::string::npos) return {};
    size_t end = head.find_first_of(" />", at + 1);
    return end == std::string::npos ? std::string() : head.substr(at + 1, end - at - 1);
  }
  bool Closed() const {
    std::string root = Root();
    std::string_view end = carry;
    while (!end.empty() && (end.back() == '\n' || end.back() == '\r' || end.back() == ' '))
      end.remove_suffix(1);
    return !root.empty() && end.ends_with("</" + root + ">");
  }
};

std::vector<Entry> Directory(Reader& file) {
  size_t tailBytes = static_cast<size_t>(std::min<uint64_t>(file.Size(), 65536 + 22));
  uint64_t tailAt = file.Size() - tailBytes;
  std::string tail = file.Read(tailAt, tailBytes);
  size_t end = tail.size() < 22 ? std::string::npos : tail.size() - 22;
  while (end != std::string::npos && Le(tail, end, 4) != kEndOfDirectory)
    end = end == 0 ? std::string::npos : end - 1;
  if (end == std::string::npos) throw std::runtime_error("no zip directory");
  uint64_t count = Le(tail, end + 10, 2), at = Le(tail, end + 16, 4);
  if (count == 0xFFFF || at == 0xFFFFFFFF) {
    if (end < 20 || Le(tail, end - 20, 4) != kEndLocator64)
      throw std::runtime_error("no zip64 locator");
    std::string record = file.Read(Le(tail, end - 20 + 8, 8), 56);
    if (Le(record, 0, 4) != kEndOfDirectory64) throw std::runtime_error("no zip64 directory");
    count = Le(record, 32, 8);
    at = Le(record, 48, 8);
  }
  std::vector<Entry> entries;
  for (uint64_t i = 0; i < count; ++i) {
    std::string fixed = file.Read(at, 46);
    if (Le(fixed, 0, 4) != kDirectoryEntry) throw std::runtime_error("broken zip directory");
    size_t nameLength = Le(fixed, 28, 2), extraLength = Le(fixed, 30, 2);
    std::string rest = file.Read(at + 46, nameLength + extraLength);
    Entry e{rest.substr(0, nameLength), static_cast<uint16_t>(Le(fixed, 10, 2)), Le(fixed, 20, 4),
            Le(fixed, 42, 4)};
    // Sizes and offsets too large for their fields are in the zip64 field, in this order.
    std::string_view extra = std::string_view(rest).substr(nameLength);
    for (size_t x = 0; x + 4 <= extra.size(); x += 4 + Le(extra, x + 2, 2)) {
      if (Le(extra, x, 2) != kZip64Extra) continue;
      size_t field = x + 4;
      if (Le(fixed, 24, 4) == 0xFFFFFFFF) field += 8;  // the size inflated
      if (e.compressed == 0xFFFFFFFF) {
        e.compressed = Le(extra, field, 8);
        field += 8;
      }
      if (e.localHeader == 0xFFFFFFFF) e.localHeader = Le(extra, field, 8);
    }
    entries.push_back(e);
    at += 46 + nameLength + extraLength + Le(fixed, 32, 2);
  }
  return entries;
}

PartScan Inflated(Reader& file, const Entry& e) {
  std::string local = file.Read(e.localHeader, 30);
  if (Le(local, 0, 4) != kLocalHeader) throw std::runtime_error("broken zip entry " + e.name);
  uint64_t at = e.localHeader + 30 + Le(local, 26, 2) + Le(local, 28, 2);
  PartScan scan;
  if (e.method == kStored) {
    for (uint64_t done = 0; done < e.compressed; done += kChunk)
      scan.Add(file.Read(at + done,
                         static_cast<size_t>(std::min<uint64_t>(kChunk, e.compressed - done))));
    return scan;
  }
  if (e.method != kDeflated) throw std::runtime_error("unknown compression in " + e.name);
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::runtime_error("cannot inflate");
  std::string out(4 * kChunk, '\0');
  int state = Z_OK;
  while (state == Z_OK) {
    std::string in = file.Read(at, kChunk);
    if (in.empty()) break;
    at += in.size();
    z.next_in = reinterpret_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    while (state == Z_OK && z.avail_in > 0) {
      z.next_out = reinterpret_cast<Bytef*>(out.data());
      z.avail_out = static_cast<uInt>(out.size());
      state = inflate(&z, Z_NO_FLUSH);
      scan.Add(std::string_view(out).substr(0, out.size() - z.avail_out));
      if (state == Z_BUF_ERROR) state = Z_OK;  // wants more input
    }
  }
  inflateEnd(&z);
  if (state != Z_STREAM_END) throw std::runtime_error(e.name + " is cut short");
  return scan;
}

std::string SheetPart(size_t k) { return "xl/worksheets/sheet" + std::to_string(k + 1) + ".xml"; }

}  // namespace

Status CheckPackage(const std::string& path, const std::vector<int>& lastRows) {
  auto damaged = [&](const std::string& why) {
    return Error{ErrorKind::Unwritable,
                 "the workbook came out damaged (" + why + "); is the disk full?"};
  };
  try {
    Reader file(path);
    size_t sheetsSeen = 0;
    for (const Entry& e : Directory(file)) {
      if (!e.name.ends_with(".xml") && !e.name.ends_with(".rels")) continue;
      PartScan scan = Inflated(file, e);
      if (!scan.Closed()) return damaged(e.name + " is cut short");
      for (size_t k = 0; k < lastRows.size(); ++k) {
        if (e.name != SheetPart(k)) continue;
        ++sheetsSeen;
        if (!scan.RowsWhole(lastRows[k])) return damaged(e.name + " lost rows");
      }
    }
    if (sheetsSeen != lastRows.size()) return damaged("sheets missing");
  } catch (const std::exception& e) {
    return damaged(e.what());
  }
  return Done();
}

}  // namespace quillon::xlsx
