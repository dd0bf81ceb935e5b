#include "afile/trailer.h"

#include "afile/format_error.h"
#include "afile/line_readers.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

void ExpectLine(LineSource& lines, std::string_view marker) {
  std::string line;
  if (!lines.Next(line))
    throw FormatError(lines.LineNumber() + 1,
                      "the file ends where " + Quoted(marker) + " was expected");
  if (line != marker)
    throw FormatError(lines.LineNumber(), "expected " + Quoted(marker) + ", found " + Quoted(line));
}

// The block that quality control appended ends with its own "******" line;
// without one it runs to the end of the file.
void SkipQualityControlBlock(LineSource& lines) {
  std::string line;
  while (lines.Next(line))
    if (line == "******") return;
}

void ReadCover(LineSource& lines, MonthData& data) {
  ExpectLine(lines, "YF");
  data.Header.CoverLine = NextBodyLine(lines, "the cover block");
  for (int i = 1; i <= 11; ++i)
    data.CoverLines.At(i) = Trim(NextBodyLine(lines, "the cover block"));
  data.CoverLines.At(11) = RemoveAll(data.CoverLines.At(11), '=');
}

}  // namespace

bool QualityControlled(const AFileHeader& header) {
  return header.QualityControl && LeadingNumber(*header.QualityControl) != 0;
}

void ReadTrailer(LineSource& lines, MonthData& data) {
  ExpectLine(lines, "??????");
  bool layout75 = CharLength(TextOf(data.Header.HeaderLine)) == 75;
  if (QualityControlled(data.Header))
    SkipQualityControlBlock(lines);
  else if (layout75)
    ExpectLine(lines, "******");
  if (!layout75) {
    for (TextList* notes : {&data.NotesJY, &data.NotesGK, &data.NotesBZ}) notes->Resize(0, 0);
    return;
  }
  ReadCover(lines, data);
  ExpectLine(lines, "JY");
  ReadNoteBlock(lines, data.NotesJY);
  ExpectLine(lines, "GK");
  ReadNoteBlock(lines, data.NotesGK);
  ExpectLine(lines, "BZ");
  ReadNoteBlock(lines, data.NotesBZ);
}

}  // namespace quillon
