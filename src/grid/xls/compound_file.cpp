#include "grid/xls/compound_file.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "grid/xls/little_endian.h"

namespace quillon::xls {
namespace {

constexpr uint32_t kFreeSector = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kDifatSector = 0xFFFFFFFC;
constexpr uint32_t kNoEntry = 0xFFFFFFFF;
constexpr uint32_t kIdsPerSector = CompoundFileWriter::kSectorBytes / 4;
constexpr uint32_t kHeaderFatIds = 109;
constexpr uint32_t kDirectoryEntryBytes = 128;

uint32_t SectorsFor(uint64_t bytes, uint64_t per) {
  return static_cast<uint32_t>((bytes + per - 1) / per);
}

// Where everything goes: the stream from sector 0, then one directory
// sector, the allocation table (FAT) sectors and, for more than 109 of
// those, the sectors that list them (DIFAT).
struct Layout {
  uint32_t streamSectors = 0;
  uint32_t fatSectors = 1;
  uint32_t difatSectors = 0;

  uint32_t DirectorySector() const { return streamSectors; }
  uint32_t FirstFatSector() const { return streamSectors + 1; }
  uint32_t FirstDifatSector() const { return FirstFatSector() + fatSectors; }
  uint32_t TotalSectors() const { return FirstDifatSector() + difatSectors; }
};

Layout LayoutFor(uint64_t streamBytes) {
  Layout layout;
  layout.streamSectors = SectorsFor(streamBytes, CompoundFileWriter::kSectorBytes);
  // The tables must also map their own sectors; grow them until they do.
  for (;;) {
    uint32_t fat = SectorsFor(layout.TotalSectors(), kIdsPerSector);
    uint32_t difat = fat > kHeaderFatIds ? SectorsFor(fat - kHeaderFatIds, kIdsPerSector - 1) : 0;
    if (fat == layout.fatSectors && difat == layout.difatSectors) return layout;
    layout.fatSectors = fat;
    layout.difatSectors = difat;
  }
}

void PutDirectoryEntry(std::string& out, std::u16string_view name, uint8_t type, uint32_t child,
                       uint32_t firstSector, uint64_t size) {
  size_t start = out.size();
  for (char16_t c : name) PutU16(out, c);
  out.resize(start + 64, '\0');
  PutU16(out, static_cast<uint16_t>(name.empty() ? 0 : (name.size() + 1) * 2));
  PutU8(out, type);
  PutU8(out, 1);  // black: a tree of one node
  PutU32(out, kNoEntry);
  PutU32(out, kNoEntry);
  PutU32(out, child);
  out.resize(out.size() + 16 + 4 + 8 + 8, '\0');  // class id, state bits, times
  PutU32(out, firstSector);
  PutU64(out, size);
}

std::string Directory(std::u16string_view streamName, uint32_t firstSector, uint64_t size) {
  std::string out;
  PutDirectoryEntry(out, u"Root Entry", 5, 1, kEndOfChain, 0);
  PutDirectoryEntry(out, streamName, 2, kNoEntry, firstSector, size);
  // The rest of the directory sector holds unused entries.
  for (uint32_t n = 2; n < CompoundFileWriter::kSectorBytes / kDirectoryEntryBytes; ++n)
    PutDirectoryEntry(out, u"", 0, kNoEntry, 0, 0);
  return out;
}

// The stream's chain: its leading sectors, which lie after the others in the
// file (from sector `written` on), then those written first (from sector 0).
std::string Fat(const Layout& layout, uint32_t written) {
  std::vector<uint32_t> ids(static_cast<size_t>(layout.fatSectors) * kIdsPerSector, kFreeSector);
  uint32_t last = layout.streamSectors - 1;
  for (uint32_t s = 0; s < last; ++s) ids[s] = s + 1;
  ids[last] = kEndOfChain;
  if (written > 0 && written <= last) {
    ids[last] = 0;
    ids[written - 1] = kEndOfChain;
  }
  ids[layout.DirectorySector()] = kEndOfChain;
  for (uint32_t k = 0; k < layout.fatSectors; ++k) ids[layout.FirstFatSector() + k] = kFatSector;
  for (uint32_t k = 0; k < layout.difatSectors; ++k)
    ids[layout.FirstDifatSector() + k] = kDifatSector;
  std::string out;
  out.reserve(ids.size() * 4);
  for (uint32_t id : ids) PutU32(out, id);
  return out;
}

// The FAT sectors past the header's 109, 127 to a sector, each sector ending
// with the next one's number.
std::string Difat(const Layout& layout) {
  std::string out;
  uint32_t fat = kHeaderFatIds;
  for (uint32_t k = 0; k < layout.difatSectors; ++k) {
    for (uint32_t i = 0; i + 1 < kIdsPerSector; ++i, ++fat)
      PutU32(out, fat < layout.fatSectors ? layout.FirstFatSector() + fat : kFreeSector);
    PutU32(out, k + 1 < layout.difatSectors ? layout.FirstDifatSector() + k + 1 : kEndOfChain);
  }
  return out;
}

std::string Header(const Layout& layout) {
  std::string out("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  out.resize(24, '\0');  // class id
  PutU16(out, 0x003E);   // minor version
  PutU16(out, 0x0003);   // major version 3: 512-byte sectors
  PutU16(out, 0xFFFE);   // little-endian
  PutU16(out, 9);        // sector size 2^9
  PutU16(out, 6);        // small sector size 2^6
  out.resize(40, '\0');
  PutU32(out, 0);  // directory sectors: not counted in version 3
  PutU32(out, layout.fatSectors);
  PutU32(out, layout.DirectorySector());
  PutU32(out, 0);  // transaction signature
  PutU32(out, CompoundFileWriter::kMinStreamBytes);
  PutU32(out, kEndOfChain);  // no small-stream table
  PutU32(out, 0);
  PutU32(out, layout.difatSectors ? layout.FirstDifatSector() : kEndOfChain);
  PutU32(out, layout.difatSectors);
  for (uint32_t k = 0; k < kHeaderFatIds; ++k)
    PutU32(out, k < layout.fatSectors ? layout.FirstFatSector() + k : kFreeSector);
  return out;
}

}  // namespace

CompoundFileWriter::CompoundFileWriter(ByteSink& file, std::u16string streamName)
    : file_(file), streamName_(std::move(streamName)) {
  file_.Write(std::string(kSectorBytes, '\0'));  // the header, once the sizes are known
}

void CompoundFileWriter::Write(std::string_view bytes) {
  streamBytes_ += bytes.size();
  if (!TooLarge()) file_.Write(bytes);
}

void CompoundFileWriter::Overwrite(uint64_t offset, std::string_view bytes) {
  if (!TooLarge()) file_.Overwrite(kSectorBytes + offset, bytes);
}

void CompoundFileWriter::Finish(std::string_view leading) {
  if (leading.size() % kSectorBytes != 0)
    throw std::logic_error("a stream's leading part must fill whole sectors");
  leadingBytes_ = leading.size();
  if (Failed()) return;
  uint64_t total = leadingBytes_ + streamBytes_;
  if (total < kMinStreamBytes) Write(std::string(kMinStreamBytes - total, '\0'));
  uint32_t written = SectorsFor(streamBytes_, kSectorBytes);
  Layout layout = LayoutFor(leadingBytes_ + streamBytes_);
  file_.Write(std::string(uint64_t{written} * kSectorBytes - streamBytes_, '\0'));
  file_.Write(leading);
  uint32_t first = leading.empty() || written == 0 ? 0 : written;
  file_.Write(Directory(streamName_, first, leadingBytes_ + streamBytes_));
  file_.Write(Fat(layout, leading.empty() ? 0 : written));
  file_.Write(Difat(layout));
  file_.Overwrite(0, Header(layout));
}

}  // namespace quillon::xls
