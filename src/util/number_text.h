// Numbers read from and written as text. A-file values stay text from file
// to workbook; these are the only places where a text becomes a number or a
// number becomes text, so every part counts and formats the same way.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon {

// The leading number of a text: optional blanks, an optional sign, digits, an
// optional decimal point and digits, with blanks inside the number skipped.
// A text that does not start with a number counts 0 ("////" and "" give 0).
double LeadingNumber(std::string_view text);

// The leading number of a text that must hold a value: throws
// std::invalid_argument when the text does not start with a number ("",
// "A", "////"), so that a garbled value stops a statistic instead of being
// counted as 0. "10-" (overcast with gaps) reads 10.
double RequiredNumber(std::string_view text);

// The value of a text made of an optional "-" and 1 to 9 digits, nothing
// else; false for any other text. Most A-file groups are such numbers, and
// the statistics read every cell of a month several ways: inline.
inline bool ShortWholeNumber(std::string_view text, int32_t& value) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() == i || text.size() - i > 9) return false;
  int32_t v = 0;
  for (size_t k = i; k < text.size(); ++k) {
    unsigned digit = static_cast<unsigned char>(text[k]) - unsigned{'0'};
    if (digit > 9) return false;
    v = v * 10 + static_cast<int32_t>(digit);
  }
  value = i ? -v : v;
  return true;
}

// True when the whole text, blanks at either end aside, reads as one number
// (optional sign, digits, at most one decimal point, at least one digit).
bool IsNumeric(std::string_view text);

// The leading number written in its shortest general form: no leading zeros,
// no decimal point for whole numbers, no trailing zeros after the point.
// "0123" -> "123", "-012" -> "-12", "0000" -> "0", "12.50" -> "12.5".
// Worked on the digits themselves, so long groups keep every digit.
std::string PlainNumber(std::string_view text);
// The same in place: a whole number, nearly every group of an A file, loses
// its leading zeros in its own storage.
void MakePlainNumber(std::string& text);

// True when the text starts as a reading does: with a digit, or with the
// "-" of a value below zero.
inline bool StartsAsReading(std::string_view text) {
  return !text.empty() && ((text[0] >= '0' && text[0] <= '9') || text[0] == '-');
}

// True when the text holds digits only (the empty text too).
inline bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits ("0450") without their leading zeros, as a view of the same text:
// "0450" -> "450", "000" -> "0". The text must hold digits only. Inline:
// every wind group is two of them.
inline std::string_view PlainDigits(std::string_view digits) {
  size_t zeros = 0;
  while (zeros + 1 < digits.size() && digits[zeros] == '0') ++zeros;
  return digits.substr(zeros);
}

// Fixed formats of the workbooks and the header: at least minIntDigits integer
// digits and exactly decimals decimals, rounded half away from zero on the
// decimal digits of the value ("0" = 1,0; "00" = 2,0; "#0.0" = 1,1;
// "0000" = 4,0). A negative value keeps its "-" before the padded digits
// (-5 in "00" is "-05"); a value that rounds to zero is written without it.
std::string FormatFixed(double value, int minIntDigits, int decimals);

// A whole number with at least minDigits digits, a "-" before the padding:
// FormatWhole(-5, 2) is "-05". The same text as FormatFixed(value, minDigits, 0).
std::string FormatWhole(long long value, int minDigits);
// The same text written into out, reusing its storage.
void AssignWhole(std::string& out, long long value, int minDigits);
// The same text added at the end of out.
void AppendWhole(std::string& out, long long value, int minDigits);

inline std::string Format0(double value) { return FormatFixed(value, 1, 0); }
inline std::string Format00(double value) { return FormatFixed(value, 2, 0); }
inline std::string Format0Point0(double value) { return FormatFixed(value, 1, 1); }

// General number format: up to 15 significant digits, no trailing zeros and
// no decimal point for whole numbers (12.0 -> "12", 12.30 -> "12.3").
std::string FormatGeneral(double value);

}  // namespace quillon
