// Calendar arithmetic on civil dates, with months and days allowed to run
// over as a date serial does (month 13 is January of the next year).
#pragma once

namespace quillon {

// Days since 1970-01-01.
long DaySerial(long year, long month, long day);

// Days of the month, 28 to 31.
int DaysInMonth(long year, long month);

}  // namespace quillon
