// The body lines of the A-file sections: cut into value groups and placed as
// text into element tables or lists. They interpret no value; they only cut
// and place. All read from the one open file, continuing at its current
// line. A body that does not fit its table (more values than slots, a day
// outside the month, a bad timed line) or a file that ends early throws
// FormatError.
#pragma once

#include <string>
#include <string_view>

#include "afile/element_table.h"
#include "afile/line_source.h"

namespace quillon {

// The next line of a section body or trailer block; FormatError naming the
// block when the file has ended. The view stays valid until the next line is
// read.
std::string_view NextBodyLine(LineSource& lines, std::string_view block = "the section");

// One line per day of the table; values from slot offset + 1, cut at the
// separator (blank or ","). A line "=" or "0=" ends the table early. "=" is
// removed from values, "." is not.
void ReadDayLines(LineSource& lines, ElementTable& table, int offset, char separator = ' ');

// Two lines per day, the first from slot 1, the second from slot 13; "=" and
// "." removed. With plainReadings, for a table whose decoder would only make
// its readings plain, every group that starts as a reading is placed in its
// plain form ("0012" -> "12", "-001" -> "-1"), an extreme's time (see
// IsExtremeTimeSlot) aside, and the table is marked so (see
// ElementTable::DecodedOnRead).
void ReadHalfDayLines(LineSource& lines, ElementTable& table, bool plainReadings = false);

// Four lines per day from slots 1, 7, 13, 19 (wind, section line starting
// "F") or 1, 9, 14, 19 (clouds); the last value of a line is kept only while
// the table has a slot left for it.
void ReadQuarterDayLines(LineSource& lines, ElementTable& table, char separator,
                         std::string_view sectionLine);

// Lines that start with the day number ("05 0012 0003"); a day of 24 values
// is two lines of 12. The read ends at a line whose last value ends with "="
// (or with "." on a day of fewer than 24 values).
void ReadDatedLines(LineSource& lines, ElementTable& table);

// As ReadDayLines with blanks, but a 25th value that ends the line is the
// day's total and goes to slot 27.
void ReadSunshineLines(LineSource& lines, ElementTable& table, int offset);

// Cloud heights at the main hours ("0508 SC0600"): day in characters 1-2,
// hour 02, 08, 14 or 20 in characters 3-4, the group from character 6.
void ReadTimedLines(LineSource& lines, ElementTable& table);

// The monthly rain line of 17 or 22 characters into entries 1..3 of the
// list; a line of another length is passed over.
void ReadRainSummary(LineSource& lines, TextList& summary);

// Lines up to one that ends with "=", trimmed, into entries 1..n of the
// list; entry 0 stays empty.
void ReadNoteBlock(LineSource& lines, TextList& notes);

// Wire icing in two blocks of six values per day (glaze, then rime), merged
// into slots 1..7 of TableG: slot 1 tells which phenomenon ("5648", "5600",
// "4800"), slots 2..7 keep the larger measurements.
void MergeIcingBlocks(LineSource& lines, int days, ElementTable& tableG);

}  // namespace quillon
