// What follows the element sections: the end-of-data line "??????", the
// quality-control block and, in the 75-character layout, the cover block
// after "YF" and the note blocks after "JY", "GK" and "BZ".
#pragma once

#include "afile/line_source.h"
#include "afile/month_data.h"

namespace quillon {

// Reads from the line after the last section to the end of the trailer.
// FormatError when a marker line is missing or out of order.
void ReadTrailer(LineSource& lines, MonthData& data);

// True when the header's quality-control indicator is a non-zero number;
// 66/69-character headers have none (false).
bool QualityControlled(const AFileHeader& header);

}  // namespace quillon
