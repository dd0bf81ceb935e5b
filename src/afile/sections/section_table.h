// The twenty element sections of an A file, read in their fixed order.
#pragma once

#include "afile/line_source.h"
#include "afile/month_data.h"

namespace quillon {

// Reads sections P to B from the line after the header; the header fields
// must be derived. Sizes every table, fills SectionModes and the flags the
// sections change. FormatError at the first departure from the layout. With
// decode, tables the decoders would only make plain are read plain already.
void ReadSections(LineSource& lines, MonthData& data, bool decode = false);

}  // namespace quillon
