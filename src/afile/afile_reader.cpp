#include "afile/afile_reader.h"

#include <new>
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
  if (Status parsed = ParseHeaderLine(Trim(line), header); !parsed.Ok())
    throw FormatError(1, parsed.Failure().reason);
  // The indicator decides how the trailer is read; a letter there leaves it
  // undecidable. A blank reads as 0, like the header's other codes.
  if (header.QualityControl && *header.QualityControl != " " && !IsNumeric(*header.QualityControl))
    throw FormatError(
        1, "quality-control indicator " + Quoted(*header.QualityControl) + " is not a number");
}

void ReadWhole(LineSource& lines, MonthData& data, bool decode) {
  try {
    ReadHeader(lines, data.Header);
    ReadSections(lines, data, decode);
    ReadTrailer(lines, data);
  } catch (const std::out_of_range& e) {
    // Every table access is checked; a value that still lands outside its
    // table is a fault of the file, never a write past the table.
    throw FormatError(lines.LineNumber(), std::string("a value outside its table: ") + e.what());
  }
}

// The header keeps the outcome for the run and the command line to read.
Status Kept(AFileHeader& h, Status status) {
  h.ReadOk = status.Ok();
  h.ReadError = status.Ok() ? "" : status.Failure().reason;
  return status;
}

Status ReadAndDecode(LineSource& lines, MonthData& data, bool decode) {
  try {
    ReadWhole(lines, data, decode);
    if (decode) DecodeSections(data);
  } catch (const FormatError& e) {
    return Error{ErrorKind::Format, Printable(e.what())};
  } catch (const std::bad_alloc&) {
    return Error{ErrorKind::Unexpected, "out of memory while reading the file"};
  } catch (const std::exception& e) {
    // A decoder that trips over a cell must not take the run down with it.
    return Error{ErrorKind::Format,
                 Printable(std::string("the values could not be decoded: ") + e.what())};
  }
  return Done();
}

}  // namespace

Status ReadAFile(MonthData& data, bool decode) {
  Result<LineSource> lines = LineSource::Open(TextOf(data.Header.FilePath));
  if (!lines.Ok()) return Kept(data.Header, lines.Failure());
  return ReadAFileLines(lines.Value(), data, decode);
}

Status ReadAFileLines(LineSource& lines, MonthData& data, bool decode) {
  return Kept(data.Header, ReadAndDecode(lines, data, decode));
}

}  // namespace quillon
