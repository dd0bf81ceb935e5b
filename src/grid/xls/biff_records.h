// The records of an Excel 97-2003 (BIFF8) workbook stream that a grid needs,
// each appended whole (id, length, data) to a byte string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "grid/xls/little_endian.h"

namespace quillon::xls {

// Data bytes one record may carry; longer contents go on in CONTINUE records.
constexpr size_t kMaxRecordData = 8224;

namespace record {
constexpr uint16_t kBof = 0x0809;
constexpr uint16_t kEof = 0x000A;
constexpr uint16_t kCodepage = 0x0042;
constexpr uint16_t kWindow1 = 0x003D;
constexpr uint16_t kFont = 0x0031;
constexpr uint16_t kFormat = 0x041E;
constexpr uint16_t kXf = 0x00E0;
constexpr uint16_t kStyle = 0x0293;
constexpr uint16_t kBoundSheet = 0x0085;
constexpr uint16_t kSst = 0x00FC;
constexpr uint16_t kContinue = 0x003C;
constexpr uint16_t kExtSst = 0x00FF;
constexpr uint16_t kDefaultRowHeight = 0x0225;
constexpr uint16_t kColInfo = 0x007D;
constexpr uint16_t kDimensions = 0x0200;
constexpr uint16_t kRow = 0x0208;
constexpr uint16_t kLabelSst = 0x00FD;
constexpr uint16_t kBlank = 0x0201;
constexpr uint16_t kNumber = 0x0203;
constexpr uint16_t kWindow2 = 0x023E;
}  // namespace record

enum class StreamKind : uint16_t { Globals = 0x0005, Worksheet = 0x0010 };

void AppendRecord(std::string& out, uint16_t id, std::string_view data);

void AppendBof(std::string& out, StreamKind kind);
void AppendEof(std::string& out);
void AppendCodepageUtf16(std::string& out);
void AppendWindow1(std::string& out);
// Font names are cut to the 31 characters a workbook allows.
void AppendFont(std::string& out, std::u16string_view name, int points);
// A number format of the workbook's own (index 164 and up), such as "0.0".
void AppendFormat(std::string& out, uint16_t index, std::string_view code);
// The style format the cell formats derive from, and a cell format.
void AppendStyleXf(std::string& out);
void AppendCellXf(std::string& out, uint16_t numberFormat, int alignmentCode, bool wrap);
void AppendNormalStyle(std::string& out);
// Returns where the sheet's stream position is in out, to be set later.
size_t AppendBoundSheet(std::string& out, std::u16string_view name);

void AppendDefaultRowHeight(std::string& out, uint16_t twips);
void AppendColInfo(std::string& out, uint16_t col, uint16_t width256, uint16_t xf);
void AppendDimensions(std::string& out, uint32_t rows, uint16_t cols);
// A record's id and data length, put as one word: cell records are written
// by the million.
constexpr uint32_t RecordHead(uint16_t id, size_t bytes) {
  return id | static_cast<uint32_t>(bytes - 4) << 16;
}
// Cell and row records are put at `at`, which has room for them, and return
// their end: a workbook holds millions, written into room made once per row.
// A row: lastCol is one past its last cell; custom marks a height set on
// purpose.
constexpr size_t kRowBytes = 20;
inline char* PutRow(char* at, uint16_t row, uint16_t firstCol, uint16_t lastCol, uint16_t twips,
                    bool custom) {
  constexpr uint32_t kAlwaysSet = 0x0100;
  constexpr uint32_t kCustomHeight = 0x0040;
  constexpr uint32_t kZeroHeight = 0x0020;
  constexpr uint32_t kDefaultXf = uint32_t{15} << 16;
  StoreU32(at, RecordHead(record::kRow, kRowBytes));
  StoreU16(at + 4, row);
  StoreU16(at + 6, firstCol);
  StoreU16(at + 8, lastCol);
  StoreU16(at + 10, twips);
  StoreU32(at + 12, 0);
  StoreU32(at + 16,
           kAlwaysSet | kDefaultXf | (custom ? kCustomHeight : 0) | (twips == 0 ? kZeroHeight : 0));
  return at + kRowBytes;
}
// A text cell, by its index in the shared strings.
constexpr size_t kLabelSstBytes = 14;
inline char* PutLabelSst(char* at, uint16_t row, uint16_t col, uint16_t xf, uint32_t index) {
  StoreU32(at, RecordHead(record::kLabelSst, kLabelSstBytes));
  StoreU16(at + 4, row);
  StoreU16(at + 6, col);
  StoreU16(at + 8, xf);
  StoreU32(at + 10, index);
  return at + kLabelSstBytes;
}

// A number, shown through the cell format's number format.
constexpr size_t kNumberBytes = 18;
inline char* PutNumber(char* at, uint16_t row, uint16_t col, uint16_t xf, double value) {
  StoreU32(at, RecordHead(record::kNumber, kNumberBytes));
  StoreU16(at + 4, row);
  StoreU16(at + 6, col);
  StoreU16(at + 8, xf);
  StoreU32(at + 10, static_cast<uint32_t>(std::bit_cast<uint64_t>(value)));
  StoreU32(at + 14, static_cast<uint32_t>(std::bit_cast<uint64_t>(value) >> 32));
  return at + kNumberBytes;
}

// An empty cell that carries formatting (wrap text).
constexpr size_t kBlankBytes = 10;
inline char* PutBlank(char* at, uint16_t row, uint16_t col, uint16_t xf) {
  StoreU32(at, RecordHead(record::kBlank, kBlankBytes));
  StoreU16(at + 4, row);
  StoreU16(at + 6, col);
  StoreU16(at + 8, xf);
  return at + kBlankBytes;
}

void AppendWindow2(std::string& out, bool selected);

// A text of up to 255 units with an 8-bit length, as in sheet and font names.
void PutShortText(std::string& out, std::u16string_view text);

}  // namespace quillon::xls
