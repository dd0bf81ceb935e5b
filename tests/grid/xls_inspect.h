// A reader of the workbooks the grid saves, written from the file formats to
// check their structure: sector chains of the container, record lengths,
// shared string counts and continuations, and the cells of every sheet. Any
// structural fault throws std::runtime_error saying what is wrong.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quillon::test {

inline uint32_t U16At(const std::string& b, size_t at) {
  if (at + 2 > b.size()) throw std::runtime_error("read past the end");
  return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}
inline uint32_t U32At(const std::string& b, size_t at) {
  return U16At(b, at) | U16At(b, at + 2) << 16;
}

inline void Expect(bool ok, const std::string& what) {
  if (!ok) throw std::runtime_error(what);
}

// The stream of the compound file, after following and checking its chain.
inline std::string CompoundStream(const std::string& file, const std::u16string& name) {
  constexpr uint32_t kEnd = 0xFFFFFFFE, kFat = 0xFFFFFFFD, kDifat = 0xFFFFFFFC;
  Expect(file.size() >= 1024 && file.size() % 512 == 0, "file is not whole sectors");
  Expect(file.compare(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") == 0, "no signature");
  Expect(U16At(file, 26) == 3 && U16At(file, 30) == 9, "not version 3 with 512-byte sectors");
  uint32_t sectors = static_cast<uint32_t>(file.size() / 512 - 1);
  auto sector = [&](uint32_t s) {
    Expect(s < sectors, "sector " + std::to_string(s) + " outside the file");
    return file.substr(512 + size_t{s} * 512, 512);
  };
  std::vector<uint32_t> fatSectors;
  for (uint32_t i = 0; i < 109 && i < U32At(file, 44); ++i)
    fatSectors.push_back(U32At(file, 76 + 4 * i));
  std::vector<uint32_t> difatSectors;
  for (uint32_t d = U32At(file, 68); d != kEnd; d = U32At(sector(d), 508)) {
    Expect(difatSectors.size() < U32At(file, 72), "DIFAT chain longer than announced");
    difatSectors.push_back(d);
    for (int i = 0; i < 127 && fatSectors.size() < U32At(file, 44); ++i)
      fatSectors.push_back(U32At(sector(d), 4 * i));
  }
  Expect(difatSectors.size() == U32At(file, 72), "DIFAT chain shorter than announced");
  Expect(fatSectors.size() == U32At(file, 44), "FAT sectors missing");
  std::vector<uint32_t> fat;
  for (uint32_t s : fatSectors)
    for (int i = 0; i < 128; ++i) fat.push_back(U32At(sector(s), 4 * i));
  Expect(fat.size() >= sectors, "FAT does not cover the file");
  for (uint32_t s : fatSectors) Expect(fat[s] == kFat, "FAT sector not marked as such");
  for (uint32_t s : difatSectors) Expect(fat[s] == kDifat, "DIFAT sector not marked as such");
  std::set<uint32_t> used;
  auto chain = [&](uint32_t first, size_t bytes) {
    std::string out;
    for (uint32_t s = first; s != kEnd; s = fat[s]) {
      Expect(used.insert(s).second, "sector " + std::to_string(s) + " in two chains");
      out += sector(s);
    }
    Expect(out.size() >= bytes && out.size() - bytes < 512, "chain length does not match size");
    return out.substr(0, bytes);
  };
  std::string directory = chain(U32At(file, 48), 512);
  Expect(directory[66] == 5, "first directory entry is not the root");
  for (size_t e = 0; e < directory.size(); e += 128) {
    std::u16string entryName;
    for (size_t i = 0; i + 2 < U16At(directory, e + 64); i += 2)
      entryName.push_back(static_cast<char16_t>(U16At(directory, e + i)));
    if (directory[e + 66] != 2 || entryName != name) continue;
    uint32_t size = U32At(directory, e + 120);
    Expect(size >= 4096, "stream belongs in the small-stream area");
    return chain(U32At(directory, e + 116), size);
  }
  throw std::runtime_error("stream not found");
}

struct XlsRecord {
  uint16_t id;
  std::string data;
};

// The records from offset to the first EOF, each at most 8,224 data bytes.
inline std::vector<XlsRecord> Records(const std::string& stream, size_t offset) {
  std::vector<XlsRecord> out;
  for (;;) {
    uint32_t id = U16At(stream, offset), length = U16At(stream, offset + 2);
    Expect(id != 0, "a record without a type, as unwritten room reads");
    Expect(length <= 8224, "record of " + std::to_string(length) + " bytes");
    Expect(offset + 4 + length <= stream.size(), "record past the end of the stream");
    out.push_back({static_cast<uint16_t>(id), stream.substr(offset + 4, length)});
    offset += 4 + length;
    if (id == 0x000A) return out;
  }
}

struct XlsSheet {
  std::string name;
  std::map<std::pair<int, int>, std::string> cells;  // (row, col), both from 0
  std::map<int, uint32_t> cellXf;                    // by row * 256 + col
  uint32_t dimensionRows = 0, dimensionCols = 0;
  std::map<int, uint32_t> colWidths;
  std::map<int, uint32_t> rowTwips;
};

struct XlsBook {
  std::vector<std::string> strings;  // UTF-8
  uint32_t stringUses = 0;
  int stringsSplit = 0;  // strings continued in a CONTINUE record
  int continueRecords = 0;
  std::vector<XlsSheet> sheets;
};

inline void PutUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6), out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12), out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18), out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F)), out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The shared strings of an SST record and the CONTINUE records after it.
inline void ReadStrings(const std::vector<XlsRecord>& records, size_t sst, XlsBook& book) {
  size_t r = sst, at = 8;
  book.stringUses = U32At(records[r].data, 0);
  uint32_t unique = U32At(records[r].data, 4);
  auto next = [&] {
    Expect(++r < records.size() && records[r].id == 0x003C, "strings run past their records");
    ++book.continueRecords;
    at = 0;
  };
  while (book.strings.size() < unique) {
    if (at == records[r].data.size()) next();
    Expect(at + 3 <= records[r].data.size(), "string header split between records");
    uint32_t units = U16At(records[r].data, at);
    bool wide = records[r].data[at + 2] & 1;
    Expect((records[r].data[at + 2] & ~1) == 0, "rich or extended strings are not written");
    at += 3;
    std::u16string text;
    while (text.size() < units) {
      if (at == records[r].data.size()) {
        next();
        wide = records[r].data[at++] & 1;
        ++book.stringsSplit;
      }
      text.push_back(static_cast<char16_t>(wide ? U16At(records[r].data, at)
                                                : static_cast<uint8_t>(records[r].data[at])));
      at += wide ? 2 : 1;
    }
    std::string utf8;
    for (size_t i = 0; i < text.size(); ++i) {
      uint32_t cp = text[i];
      if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size())
        cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
      PutUtf8(utf8, cp);
    }
    book.strings.push_back(utf8);
  }
  Expect(at == records[r].data.size(), "bytes left after the last string");
  Expect(r + 1 < records.size() && records[r + 1].id == 0x00FF, "no EXTSST after the strings");
}

inline XlsBook ReadXls(const std::string& file) {
  std::string stream = CompoundStream(file, u"Workbook");
  auto globals = Records(stream, 0);
  XlsBook book;
  std::vector<std::pair<uint32_t, std::string>> bound;
  for (size_t i = 0; i < globals.size(); ++i) {
    const std::string& d = globals[i].data;
    if (globals[i].id == 0x0085)
      bound.push_back({U32At(d, 0), d.substr(8, static_cast<uint8_t>(d[6]))});
    if (globals[i].id == 0x00FC) ReadStrings(globals, i, book);
  }
  uint32_t uses = 0;
  for (const auto& [offset, name] : bound) {
    XlsSheet sheet{name, {}, {}, 0, 0, {}, {}};
    auto records = Records(stream, offset);
    Expect(records[0].id == 0x0809 && U16At(records[0].data, 2) == 0x0010, "sheet without BOF");
    for (const auto& [id, d] : records) {
      if (id == 0x0200) sheet.dimensionRows = U32At(d, 4), sheet.dimensionCols = U16At(d, 10);
      if (id == 0x007D) sheet.colWidths[static_cast<int>(U16At(d, 0))] = U16At(d, 4);
      if (id == 0x0208) sheet.rowTwips[static_cast<int>(U16At(d, 0))] = U16At(d, 6);
      if (id != 0x00FD) continue;
      int row = static_cast<int>(U16At(d, 0)), col = static_cast<int>(U16At(d, 2));
      uint32_t index = U32At(d, 6);
      Expect(index < book.strings.size(), "cell names a string that is not there");
      Expect(sheet.cells.emplace(std::pair{row, col}, book.strings[index]).second, "cell twice");
      sheet.cellXf[row * 256 + col] = U16At(d, 4);
      ++uses;
    }
    book.sheets.push_back(std::move(sheet));
  }
  Expect(uses == book.stringUses, "SST total does not match the text cells");
  return book;
}

}  // namespace quillon::test
