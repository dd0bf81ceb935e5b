#include "grid/xls/biff_records.h"

#include <bit>
#include <stdexcept>

#include "grid/alignment.h"
#include "grid/xls/little_endian.h"
#include "grid/xls/utf16.h"

namespace quillon::xls {
namespace {

// Pattern colours of a format without fill: the system's window colours.
constexpr uint16_t kNoFillColours = 0x20C0;

void PutXf(std::string& out, uint16_t font, uint16_t format, uint16_t kindAndParent,
           uint8_t alignment, uint8_t usedAttributes) {
  std::string data;
  PutU16(data, font);
  PutU16(data, format);
  PutU16(data, kindAndParent);
  PutU8(data, alignment);
  PutU8(data, 0);  // rotation
  PutU8(data, 0);  // indent, shrink, reading order
  PutU8(data, usedAttributes);
  PutU32(data, 0);  // borders
  PutU32(data, 0);  // border colours, fill pattern
  PutU16(data, kNoFillColours);
  AppendRecord(out, record::kXf, data);
}

uint8_t AlignmentByte(int code, bool wrap) {
  uint8_t horizontal = static_cast<uint8_t>(HorizontalOf(code));
  uint8_t vertical;
  switch (VerticalOf(code)) {
    case Vertical::Top:
      vertical = 0;
      break;
    case Vertical::Center:
      vertical = 1;
      break;
    default:
      vertical = 2;  // bottom, also the general position
  }
  return static_cast<uint8_t>(horizontal | (wrap ? 0x08 : 0) | (vertical << 4));
}

}  // namespace

void AppendRecord(std::string& out, uint16_t id, std::string_view data) {
  if (data.size() > kMaxRecordData)
    throw std::length_error("record of " + std::to_string(data.size()) + " bytes");
  PutU16(out, id);
  PutU16(out, static_cast<uint16_t>(data.size()));
  out.append(data);
}

void AppendBof(std::string& out, StreamKind kind) {
  std::string data;
  PutU16(data, 0x0600);  // BIFF8
  PutU16(data, static_cast<uint16_t>(kind));
  PutU16(data, 0x0DBB);  // build
  PutU16(data, 0x07CC);  // year
  PutU32(data, 0);       // file history
  PutU32(data, 0x0006);  // lowest version that can read it
  AppendRecord(out, record::kBof, data);
}

void AppendEof(std::string& out) { AppendRecord(out, record::kEof, {}); }

void AppendCodepageUtf16(std::string& out) {
  std::string data;
  PutU16(data, 1200);
  AppendRecord(out, record::kCodepage, data);
}

void AppendWindow1(std::string& out) {
  std::string data;
  PutU16(data, 0x01E0);  // position and size of the window, in twips
  PutU16(data, 0x005A);
  PutU16(data, 0x3FCF);
  PutU16(data, 0x2A4E);
  PutU16(data, 0x0038);  // scroll bars and sheet tabs shown
  PutU16(data, 0);       // first sheet active
  PutU16(data, 0);       // first tab shown
  PutU16(data, 1);       // one sheet selected
  PutU16(data, 0x0258);  // tab bar width ratio
  AppendRecord(out, record::kWindow1, data);
}

void AppendFont(std::string& out, std::u16string_view name, int points) {
  std::string data;
  PutU16(data, static_cast<uint16_t>(points * 20));
  PutU16(data, 0);       // no italics, strike-out, outline
  PutU16(data, 0x7FFF);  // automatic colour
  PutU16(data, 400);     // normal weight
  PutU16(data, 0);       // no super- or subscript
  PutU8(data, 0);        // no underline
  PutU8(data, 0);        // family
  PutU8(data, 1);        // the system's default character set
  PutU8(data, 0);
  PutShortText(data, name.substr(0, 31));
  AppendRecord(out, record::kFont, data);
}

void AppendFormat(std::string& out, uint16_t index, std::string_view code) {
  std::string data;
  PutU16(data, index);
  PutU16(data, static_cast<uint16_t>(code.size()));
  PutU8(data, 0);  // one byte a character: formats are ASCII
  data.append(code);
  AppendRecord(out, record::kFormat, data);
}

void AppendStyleXf(std::string& out) { PutXf(out, 0, 0, 0xFFF5, AlignmentByte(0, false), 0); }

void AppendCellXf(std::string& out, uint16_t numberFormat, int alignmentCode, bool wrap) {
  // Locked, derived from the Normal style; every attribute given here.
  PutXf(out, 0, numberFormat, 0x0001, AlignmentByte(alignmentCode, wrap), 0xFC);
}

void AppendNormalStyle(std::string& out) {
  std::string data;
  PutU16(data, 0x8000);  // built-in style on format 0
  PutU8(data, 0);        // Normal
  PutU8(data, 0xFF);
  AppendRecord(out, record::kStyle, data);
}

size_t AppendBoundSheet(std::string& out, std::u16string_view name) {
  std::string data;
  PutU32(data, 0);
  PutU8(data, 0);  // visible
  PutU8(data, 0);  // worksheet
  PutShortText(data, name);
  AppendRecord(out, record::kBoundSheet, data);
  return out.size() - data.size();
}

void AppendDefaultRowHeight(std::string& out, uint16_t twips) {
  std::string data;
  PutU16(data, 0);
  PutU16(data, twips);
  AppendRecord(out, record::kDefaultRowHeight, data);
}

void AppendColInfo(std::string& out, uint16_t col, uint16_t width256, uint16_t xf) {
  std::string data;
  PutU16(data, col);
  PutU16(data, col);
  PutU16(data, width256);
  PutU16(data, xf);
  PutU16(data, 0);  // shown, not collapsed
  PutU16(data, 0);
  AppendRecord(out, record::kColInfo, data);
}

void AppendDimensions(std::string& out, uint32_t rows, uint16_t cols) {
  std::string data;
  PutU32(data, 0);
  PutU32(data, rows);
  PutU16(data, 0);
  PutU16(data, cols);
  PutU16(data, 0);
  AppendRecord(out, record::kDimensions, data);
}

void AppendWindow2(std::string& out, bool selected) {
  // Grid lines, headings, zeros, automatic grid colour, outline symbols;
  // the selected sheet is also the one shown.
  uint16_t options = 0x00B6 | (selected ? 0x0600 : 0);
  std::string data;
  PutU16(data, options);
  PutU16(data, 0);   // top row shown
  PutU16(data, 0);   // left column shown
  PutU32(data, 64);  // heading colour
  PutU16(data, 0);   // zoom in page break preview: default
  PutU16(data, 0);   // zoom: default
  PutU32(data, 0);
  AppendRecord(out, record::kWindow2, data);
}

void PutShortText(std::string& out, std::u16string_view text) {
  text = text.substr(0, 255);
  bool narrow = FitsOneByte(text);
  PutU8(out, static_cast<uint8_t>(text.size()));
  PutU8(out, narrow ? 0 : 1);
  for (char16_t u : text) narrow ? PutU8(out, static_cast<uint8_t>(u)) : PutU16(out, u);
}

}  // namespace quillon::xls
