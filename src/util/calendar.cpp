#include "util/calendar.h"

namespace quillon {

long DaySerial(long year, long month, long day) {
  long m0 = month - 1;  // months since January of year, may be negative
  year += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
  month = (m0 % 12 + 12) % 12 + 1;
  year -= month <= 2;
  long era = (year >= 0 ? year : year - 399) / 400;
  long yoe = year - era * 400;
  long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
  long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + (day - 1);
}

int DaysInMonth(long year, long month) {
  return static_cast<int>(DaySerial(year, month + 1, 1) - DaySerial(year, month, 1));
}

}  // namespace quillon
