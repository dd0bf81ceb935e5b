// Cell texts that a spreadsheet may hold as numbers. A value such as "1013.2"
// or "-12" can be stored as a number whose format shows the same digits, so
// users can sum and chart it; labels such as the hour "08", "45/23" or "-"
// (missing) must stay text, or the workbook would show something else.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The most decimals a spreadsheet number format shows.
inline constexpr int kMostPlainDecimals = 30;

struct PlainDecimal {
  double value = 0;
  int decimals = 0;  // digits after the point, shown again by the cell's format
};

// The number of a text that is exactly an optional "-", the integer digits
// (no leading zero unless the integer part is "0") and optionally "." with
// one or more digits. Nothing else: no "+", blanks, exponent, ".5" or "5.".
// A negative zero ("-0", "-0.0") cannot show its sign, and more than 15
// significant digits cannot come back from a double: those stay text.
std::optional<PlainDecimal> AsPlainDecimal(std::string_view text);

// The spreadsheet number format that shows exactly `decimals` decimals:
// "0", "0.0", "0.00", ...
std::string DecimalFormat(int decimals);

}  // namespace quillon
