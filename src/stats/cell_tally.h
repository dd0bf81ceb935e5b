// The counting behind every mean and total of a run of cells: a cell holds
// nothing (""), is missing ("-") or adds its value to the sum.
#pragma once

#include <string>
#include <string_view>

#include "afile/element_table.h"
#include "util/number_text.h"

namespace quillon {

struct CellTally {
  int empty = 0;
  int missing = 0;
  double sum = 0;  // kept a whole number: rounded half to even after each addition

  // value reads a cell that is neither "" nor "-"; a text that is no number throws.
  void Add(std::string_view cell, double (*value)(std::string_view) = RequiredNumber);
  void AddValue(double value);
};

// The speed of a wind cell "NE/35": the text behind the first "/", the whole
// cell when it has none.
std::string_view SpeedOf(std::string_view windCell);

// The mean (or, with total, the sum) of n cells formatted "00": "" when all
// held nothing, "-" when some were missing and none held a value, or when more
// than allowedMissing were missing.
std::string PeriodText(const CellTally& tally, int n, int allowedMissing, bool total);

// Days first..last of one column; wind cells count by their speed.
CellTally TallyColumn(const ElementTable& table, int column, int first, int last, bool wind = false,
                      double (*value)(std::string_view) = RequiredNumber);

// A day's mean of n slots (4 or 24) formatted "00": "" or "-" when none held
// a value; "-" when more than 5 of 24 hours, or any of 4 times, are missing.
std::string DailyMeanText(const CellTally& tally, int n);

// The mean of n slots of one day (4 or 24) formatted "00", for the wind speeds
// of the ten-minute wind: the four main times of an hourly table are slots 6,
// 12, 18 and 24. More than 5 missing hours, or any missing main time, is "-".
std::string DailySpeedMean(const ElementTable& table, int day, int n);

// The month's mean (or total) of one column: at most 6 missing days.
std::string MonthText(int days, const ElementTable& table, int column, bool total, bool wind);

}  // namespace quillon
