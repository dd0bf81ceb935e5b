#include "afile/afile_reader.h"

#include <stdexcept>

#include "afile/decode/section_dispatch.h"
#include "afile/format_error.h"
#include "afile/header_line.h"
#include "afile/sections/section_table.h"
#include "afile/trailer.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

void ReadHeader(LineSource& lines, AFileHeader& header) {
  std::string line;
  if (!lines.Next(line)) throw FormatError(1, "the file is empty");
  std::string error;
  if (!ParseHeaderLine(Trim(line), header, error)) throw FormatError(1, error);
  // The indicator decides how the trailer is read; a letter there leaves it
  // undecidable. A blank reads as 0, like the header's other codes.
  if (header.QualityControl && *header.QualityControl != " " && !IsNumeric(*header.QualityControl))
    throw FormatError(
        1, "quality-control indicator " + Quoted(*header.QualityControl) + " is not a number");
}

void ReadWhole(LineSource& lines, MonthData& data) {
  try {
    ReadHeader(lines, data.Header);
    ReadSections(lines, data);
    ReadTrailer(lines, data);
  } catch (const std::out_of_range& e) {
    // Every table access is checked; a value that still lands outside its
    // table is a fault of the file, never a write past the table.
    throw FormatError(lines.LineNumber(), std::string("a value outside its table: ") + e.what());
  }
}

}  // namespace

void ReadAFile(const std::string& appFolder, MonthData& data) { ReadAFile(appFolder, data, true); }

void ReadAFile(const std::string&, MonthData& data, bool decode) {
  AFileHeader& h = data.Header;
  h.ReadOk = false;
  h.ReadError.clear();
  std::string error;
  std::optional<LineSource> lines = LineSource::Open(TextOf(h.FilePath), error);
  if (!lines) {
    h.ReadError = error;
    return;
  }
  ReadAFileLines(*lines, data, decode);
}

void ReadAFileLines(LineSource& lines, MonthData& data, bool decode) {
  AFileHeader& h = data.Header;
  h.ReadOk = false;
  h.ReadError.clear();
  try {
    ReadWhole(lines, data);
    if (decode) DecodeSections(data);
  } catch (const FormatError& e) {
    h.ReadError = Printable(e.what());
    return;
  } catch (const std::exception& e) {
    // A decoder that trips over a cell must not take the run down with it.
    h.ReadError = Printable(std::string("the values could not be decoded: ") + e.what());
    return;
  }
  h.ReadOk = true;
}

}  // namespace quillon
