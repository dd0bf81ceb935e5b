#include "afile/line_readers.h"

#include <array>
#include <string>
#include <vector>

#include "afile/format_error.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

// A line that ends the whole table at once.
bool IsEndLine(std::string_view line) { return line == "=" || line == "0="; }

// A line with more values than the table has slots is a fault of the file;
// the file is refused whole, so what was stored of the line is never used.
void RequireSlot(const LineSource& lines, const ElementTable& table, int lastSlot, size_t values) {
  if (lastSlot > table.LastSlot())
    throw FormatError(lines.LineNumber(), std::to_string(values) + " values reach slot " +
                                              std::to_string(lastSlot) + ", the table ends at " +
                                              std::to_string(table.LastSlot()));
}

using Pieces = std::vector<std::string_view>;

// The cell becomes the piece. Cleared and appended, a cell keeps its storage
// and skips the overlap checks of assign: the cheapest way for a table of
// thousands of short groups.
void SetCell(std::string& cell, std::string_view piece) {
  cell.clear();
  cell.append(piece);
}

// Stores the values in the day's slots from offset + 1 on, as far as the
// slots reach, and returns how many it stored; what did not fit is left in
// values.
size_t PlaceValues(ElementTable& table, int day, int offset, FieldCursor& values) {
  size_t stored = 0;
  for (std::string& cell : table.Slots(day, offset + 1, table.LastSlot())) {
    if (values.Done()) break;
    SetCell(cell, values.Next());
    ++stored;
  }
  return stored;
}

// A reading of digits only in its plain form, as a view of the same text:
// "0012" -> "12", "0000" -> "0". False for any other reading.
bool PlainWholeDigits(std::string_view& reading) {
  const char* p = reading.data();
  const char* const end = p + reading.size();
  while (end - p > 1 && *p == '0') ++p;
  const char* const significant = p;
  for (; p != end; ++p)
    if (static_cast<unsigned char>(*p) - unsigned{'0'} > 9) return false;
  reading = {significant, static_cast<size_t>(end - significant)};
  return true;
}

// As PlaceValues, but every group that starts as a reading goes in plain,
// an extreme's time aside (see ReadHalfDayLines); onlyReadings is cleared
// at a group that is neither empty nor a reading. Whole readings, nearly
// all, are cut without their leading zeros: no pass over the cell after.
size_t PlaceReadings(ElementTable& table, int day, int offset, FieldCursor& values,
                     bool& onlyReadings) {
  size_t stored = 0;
  int slot = offset;
  for (std::string& cell : table.Slots(day, offset + 1, table.LastSlot())) {
    if (values.Done()) break;
    std::string_view piece = values.Next();
    ++stored;
    ++slot;
    if (!StartsAsReading(piece)) {
      SetCell(cell, piece);
      if (!piece.empty()) onlyReadings = false;
    } else if (IsExtremeTimeSlot(table, slot)) {
      SetCell(cell, piece);
    } else if (PlainWholeDigits(piece)) {
      SetCell(cell, piece);
    } else {
      SetCell(cell, piece);
      MakePlainNumber(cell);
    }
  }
  return stored;
}

// Nearly every half-day line is groups of four digits one blank apart
// ("0174 0176 0173"): those are placed as PlaceReadings would place them,
// but cut at a fixed stride. False, with nothing placed, for any other line
// or for more groups than the day has slots.
bool PlaceFourDigitGroups(ElementTable& table, int day, int offset, std::string_view text) {
  constexpr size_t kStride = 5;  // four digits and the blank after them
  if (text.size() % kStride != kStride - 1) return false;
  int groups = static_cast<int>((text.size() + 1) / kStride);
  if (offset + groups > table.LastSlot()) return false;
  auto digit = [](char c) { return static_cast<unsigned char>(c) - unsigned{'0'} <= 9; };
  const char* p = text.data();
  for (int g = 0; g < groups; ++g, p += kStride)
    if (!digit(p[0]) || !digit(p[1]) || !digit(p[2]) || !digit(p[3]) ||
        (g + 1 < groups && p[4] != ' '))
      return false;
  std::span<std::string> cells = table.Slots(day, offset + 1, offset + groups);
  p = text.data();
  for (int g = 0; g < groups; ++g, p += kStride) {
    std::string_view group(p, kStride - 1);
    SetCell(cells[static_cast<size_t>(g)],
            IsExtremeTimeSlot(table, offset + 1 + g) ? group : PlainDigits(group));
  }
  return true;
}

// The values of a line, cut at the separator, from slot offset + 1 on. With
// onlyReadings, readings go in plain (see PlaceReadings).
void Place(const LineSource& lines, ElementTable& table, int day, int offset, std::string_view text,
           char separator, bool* onlyReadings = nullptr) {
  FieldCursor values(text, separator);
  size_t stored = onlyReadings ? PlaceReadings(table, day, offset, values, *onlyReadings)
                               : PlaceValues(table, day, offset, values);
  if (values.Done()) return;
  size_t count = stored + values.Left();
  RequireSlot(lines, table, offset + static_cast<int>(count), count);
}

// Day number in the first two characters of a dated or timed line.
int DayOf(const LineSource& lines, std::string_view line, int days) {
  double day = LeadingNumber(CharView(line, 0, 2));
  if (day < 1 || day > days)
    throw FormatError(lines.LineNumber(), "day " + Quoted(CharView(line, 0, 2)) +
                                              " is outside 1.." + std::to_string(days));
  return static_cast<int>(day);
}

// "=" ends a table and "." a day; neither is part of a value.
void RemoveTerminators(std::string& text) {
  EraseAll(text, '=');
  EraseAll(text, '.');
}

// The next body line without the blanks at its end.
std::string_view NextTrimmed(LineSource& lines) { return TrimRight(NextBodyLine(lines)); }

// The line without "=" and, where dots is set, without "." either. They
// nearly always close the line and are then only cut off the view; found
// anywhere else, the line is copied into buffer and they are removed there.
std::string_view WithoutTerminators(std::string_view line, bool dots, std::string& buffer) {
  auto isTerminator = [dots](char c) { return c == '=' || (dots && c == '.'); };
  while (!line.empty() && isTerminator(line.back())) line.remove_suffix(1);
  bool inside = line.find('=') != std::string_view::npos ||
                (dots && line.find('.') != std::string_view::npos);
  if (!inside) return line;
  buffer.assign(line);
  EraseAll(buffer, '=');
  if (dots) EraseAll(buffer, '.');
  return buffer;
}

}  // namespace

std::string_view NextBodyLine(LineSource& lines, std::string_view block) {
  std::string_view line;
  if (!lines.Next(line))
    throw FormatError(lines.LineNumber() + 1, "the file ends inside " + std::string(block));
  return line;
}

void ReadDayLines(LineSource& lines, ElementTable& table, int offset, char separator) {
  std::string buffer;
  for (int day = 1; day <= table.Days(); ++day) {
    std::string_view line = NextTrimmed(lines);
    if (IsEndLine(line)) return;
    std::string_view values = WithoutTerminators(line, false, buffer);
    if (separator == ',' && values.ends_with(',')) values.remove_suffix(1);
    Place(lines, table, day, offset, values, separator);
  }
}

namespace {

// ReadHalfDayLines; readings plain when onlyReadings is given.
void ReadHalves(LineSource& lines, ElementTable& table, bool* onlyReadings) {
  std::string buffer;
  for (int day = 1; day <= table.Days(); ++day)
    for (int offset : {0, 12}) {
      std::string_view line = NextTrimmed(lines);
      if (IsEndLine(line)) return;
      std::string_view values = WithoutTerminators(line, true, buffer);
      if (onlyReadings && PlaceFourDigitGroups(table, day, offset, values)) continue;
      Place(lines, table, day, offset, values, ' ', onlyReadings);
    }
}

}  // namespace

void ReadHalfDayLines(LineSource& lines, ElementTable& table, bool plainReadings) {
  if (!plainReadings) return ReadHalves(lines, table, nullptr);
  bool onlyReadings = true;
  ReadHalves(lines, table, &onlyReadings);
  using enum ElementTable::ReadDecoding;
  table.SetDecodedOnRead(onlyReadings ? Complete : ReadingsPlain);
}

void ReadQuarterDayLines(LineSource& lines, ElementTable& table, char separator,
                         std::string_view sectionLine) {
  const std::array<int, 4> offsets =
      sectionLine.starts_with('F') ? std::array{0, 6, 12, 18} : std::array{0, 8, 13, 18};
  std::string buffer;
  for (int day = 1; day <= table.Days(); ++day)
    for (int offset : offsets) {
      std::string_view line = NextTrimmed(lines);
      if (IsEndLine(line)) return;
      std::string_view text = WithoutTerminators(line, true, buffer);
      if (text.ends_with(',')) text.remove_suffix(1);
      FieldCursor values(text, separator);
      size_t stored = PlaceValues(table, day, offset, values);
      if (values.Done()) continue;
      // The one value past the table's last slot is dropped; more do not fit.
      size_t count = stored + values.Left();
      RequireSlot(lines, table, offset + static_cast<int>(count) - 1, count);
    }
}

void ReadDatedLines(LineSource& lines, ElementTable& table) {
  int counter = 0;
  int day = 0;
  Pieces pieces;
  for (;;) {
    std::string_view line = TrimRight(NextBodyLine(lines));
    if (IsEndLine(line)) return;
    std::string_view values = line;
    if (counter == 0) {
      day = DayOf(lines, line, table.Days());
      values = CharView(line, 3);
    }
    SplitInto(values, ' ', pieces);
    RequireSlot(lines, table, counter + static_cast<int>(pieces.size()), pieces.size());
    for (std::string_view piece : pieces) {
      std::string& cell = table.At(day, ++counter);
      SetCell(cell, piece);
      RemoveTerminators(cell);
    }
    char last = pieces.back().empty() ? '\0' : pieces.back().back();
    if (last == '=' || (last == '.' && counter != 24)) return;
    // Twelve values: the day goes on from slot 13 on the next line.
    if (counter != 12) counter = 0;
  }
}

void ReadSunshineLines(LineSource& lines, ElementTable& table, int offset) {
  constexpr int kTotalSlot = 27;
  std::string buffer;
  for (int day = 1; day <= table.Days(); ++day) {
    std::string_view line = NextTrimmed(lines);
    if (IsEndLine(line)) return;
    std::string_view values = WithoutTerminators(line, false, buffer);
    size_t count = static_cast<size_t>(CountOf(values, " ")) + 1;
    if (offset + static_cast<int>(count) == 25) {
      // The day's total, written after 24 hourly values.
      size_t cut = values.rfind(' ');
      RequireSlot(lines, table, kTotalSlot, count);
      if (cut == std::string_view::npos) {
        SetCell(table.At(day, kTotalSlot), values);
      } else {
        Place(lines, table, day, offset, values.substr(0, cut), ' ');
        SetCell(table.At(day, kTotalSlot), values.substr(cut + 1));
      }
    } else {
      Place(lines, table, day, offset, values, ' ');
    }
  }
}

void ReadTimedLines(LineSource& lines, ElementTable& table) {
  for (;;) {
    std::string_view line = NextBodyLine(lines);
    if (IsEndLine(line)) return;
    if (CharLength(line) < 8)
      throw FormatError(lines.LineNumber(), "timed line " + Quoted(line) + " is shorter than 8");
    int day = DayOf(lines, line, table.Days());
    std::string_view hour = CharView(line, 2, 2);
    double h = LeadingNumber(hour);
    int slot = h == 2 ? 1 : h == 8 ? 2 : h == 14 ? 3 : h == 20 ? 4 : 0;
    if (slot == 0)
      throw FormatError(lines.LineNumber(), "hour " + Quoted(hour) + " is not 02, 08, 14 or 20");
    table.At(day, slot) = RemoveAll(CharView(line, 5), '=');
    if (line.back() == '=') return;
  }
}

void ReadRainSummary(LineSource& lines, TextList& summary) {
  std::string_view line = NextBodyLine(lines);
  size_t length = CharLength(line);
  if (length == 17) {
    summary.At(1) = CharSub(line, 0, 4);
    summary.At(2) = CharSub(line, 5, 5);
    summary.At(3) = CharSub(line, 11, 5);
  } else if (length == 22) {
    summary.At(1) = CharSub(line, 0, 4);
    summary.At(2) = CharSub(line, 5, 10);
    summary.At(3) = CharSub(line, 16, 5);
  }
}

void ReadNoteBlock(LineSource& lines, TextList& notes) {
  notes.Resize(0, 0);
  for (int n = 1;; ++n) {
    std::string line(Trim(NextBodyLine(lines, "a note block")));
    notes.Grow(n);
    notes.At(n) = RemoveAll(line, '=');
    if (!line.empty() && line.back() == '=') return;
  }
}

namespace {

// Six measurements, none missing and none "000".
bool HasIcing(const ElementTable& table, int day) {
  for (int slot = 2; slot <= 7; ++slot) {
    const std::string& cell = table.At(day, slot);
    if (cell.empty() || cell == "000") return false;
  }
  return true;
}

void CopySlots(const ElementTable& from, ElementTable& to, int day, int first, int last) {
  for (int slot = first; slot <= last; ++slot) to.At(day, slot) = from.At(day, slot);
}

}  // namespace

void MergeIcingBlocks(LineSource& lines, int days, ElementTable& tableG) {
  ReadDayLines(lines, tableG, 1);
  ElementTable rime;
  rime.Resize(days, 1, 7);
  ReadDayLines(lines, rime, 1);
  for (int day = 1; day <= days && day <= tableG.Days(); ++day) {
    bool glaze = HasIcing(tableG, day);
    bool hasRime = HasIcing(rime, day);
    if (glaze && hasRime) {
      tableG.At(day, 1) = "5648";
      if (LeadingNumber(rime.At(day, 4)) > LeadingNumber(tableG.At(day, 4)))
        CopySlots(rime, tableG, day, 2, 4);
      if (LeadingNumber(rime.At(day, 7)) > LeadingNumber(tableG.At(day, 7)))
        CopySlots(rime, tableG, day, 5, 7);
    } else if (glaze) {
      tableG.At(day, 1) = "5600";
    } else if (hasRime) {
      tableG.At(day, 1) = "4800";
      CopySlots(rime, tableG, day, 2, 7);
    }
  }
}

}  // namespace quillon
