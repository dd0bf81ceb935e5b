// Reads one A file into the monthly data store: the header, the twenty
// element sections, the end-of-data line and the trailer, then the decoding
// pass that turns raw value groups into display text.
#pragma once

#include <string>

#include "afile/line_source.h"
#include "afile/month_data.h"

namespace quillon {

// On entry data.Header.FilePath names the file and the rest of the store is
// as ResetMonthData left it. The outcome is returned and also kept in the
// header: ReadOk, and after a failure ReadError with the reason ("line 812:
// expected section \"F\", found \"D0\""); nothing has then been decoded
// and the tables hold whatever was read before the fault. decode false
// leaves every cell as the raw text of the file, for checking what the
// reader alone placed where.
Status ReadAFile(MonthData& data, bool decode = true);

// The same from lines already at hand (the first line is the header).
Status ReadAFileLines(LineSource& lines, MonthData& data, bool decode = true);

}  // namespace quillon
