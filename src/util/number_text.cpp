#include "util/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace quillon {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading number cut into its parts, blanks removed.
struct NumberParts {
  bool found = false;  // at least one digit
  bool negative = false;
  std::string whole;     // integer digits as written
  std::string fraction;  // digits after the point as written
};

NumberParts ParseLeading(std::string_view text) {
  NumberParts parts;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    parts.negative = text[i] == '-';
    ++i;
  }
  bool inFraction = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (IsBlank(c)) continue;
    if (IsDigit(c)) {
      (inFraction ? parts.fraction : parts.whole) += c;
      parts.found = true;
    } else if (c == '.' && !inFraction) {
      inFraction = true;
    } else {
      break;
    }
  }
  return parts;
}

// The digits of a whole number written backwards from end; returns where
// they begin. Room for 30 digits of padding and a sign is needed.
char* WholeDigits(char* end, long long whole, int minDigits) {
  char* p = end;
  unsigned long long magnitude = whole < 0 ? 0ull - static_cast<unsigned long long>(whole)
                                           : static_cast<unsigned long long>(whole);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  int width = std::min(minDigits, 30);
  while (end - p < width) *--p = '0';
  if (whole < 0) *--p = '-';
  return p;
}

}  // namespace

void AssignWhole(std::string& out, long long whole, int minDigits) {
  char buffer[40];
  char* end = buffer + sizeof buffer;
  const char* first = WholeDigits(end, whole, minDigits);
  // Cleared and appended: cheaper than assign, which must allow for the
  // source lying inside out.
  out.clear();
  out.append(first, static_cast<size_t>(end - first));
}

void AppendWhole(std::string& out, long long whole, int minDigits) {
  char buffer[40];
  char* end = buffer + sizeof buffer;
  const char* first = WholeDigits(end, whole, minDigits);
  out.append(first, static_cast<size_t>(end - first));
}

std::string FormatWhole(long long whole, int minDigits) {
  std::string text;
  AssignWhole(text, whole, minDigits);
  return text;
}

double LeadingNumber(std::string_view text) {
  // Most groups are an optional "-" and up to 15 digits (exact in a double):
  // read in one pass.
  if (!text.empty() && text.size() <= 16) {
    bool negative = text[0] == '-';
    size_t i = negative ? 1 : 0;
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) value = value * 10 + (text[i] - '0');
    if (i == text.size() && i > (negative ? 1u : 0u) && text.size() - negative <= 15)
      return negative ? -static_cast<double>(value) : static_cast<double>(value);
  }
  NumberParts parts = ParseLeading(text);
  if (!parts.found) return 0.0;
  std::string digits = (parts.negative ? "-" : "") + (parts.whole.empty() ? "0" : parts.whole);
  if (!parts.fraction.empty()) digits += "." + parts.fraction;
  return std::strtod(digits.c_str(), nullptr);
}

double RequiredNumber(std::string_view text) {
  int32_t whole = 0;
  if (ShortWholeNumber(text, whole)) return whole;  // nearly every reading
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i < text.size() && text[i] == '.') ++i;
  if (i == text.size() || !IsDigit(text[i]))
    throw std::invalid_argument("not a number: \"" + std::string(text.substr(0, 40)) + "\"");
  return LeadingNumber(text);
}

bool IsNumeric(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
  bool digit = false, point = false;
  for (; i < end; ++i) {
    if (IsDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

namespace {

// Any other group: a decimal, blanks, a "+", or text after the number. Kept
// out of line, so that the plain whole groups do not pay for its strings.
[[gnu::noinline]] void MakeGeneralPlainNumber(std::string& text) {
  NumberParts parts = ParseLeading(text);
  std::string whole = parts.whole;
  whole.erase(0, whole.find_first_not_of('0'));
  std::string fraction = parts.fraction;
  fraction.erase(fraction.find_last_not_of('0') + 1);
  if (whole.empty()) whole = "0";
  std::string result = whole;
  if (!fraction.empty()) result += "." + fraction;
  if (parts.negative && result != "0") result.insert(0, "-");
  text = std::move(result);
}

}  // namespace

void MakePlainNumber(std::string& text) {
  // Most groups are an optional "-" and digits: one pass over the sign, the
  // leading zeros and the other digits, and the zeros go in place.
  char* const begin = text.data();
  char* const end = begin + text.size();
  char* const first = begin != end && *begin == '-' ? begin + 1 : begin;
  const char* significant = first;
  while (significant != end && *significant == '0') ++significant;
  const char* p = significant;
  while (p != end && IsDigit(*p)) ++p;
  if (first == end || p != end) return MakeGeneralPlainNumber(text);
  if (significant == end) {
    text.assign(1, '0');  // "-0" too
  } else if (significant != first) {
    // Short groups: moved by hand, then cut, without a call into the library.
    char* out = first;
    while (significant != end) *out++ = *significant++;
    text.erase(static_cast<size_t>(out - begin));
  }
}

std::string PlainNumber(std::string_view text) {
  std::string plain(text);
  MakePlainNumber(plain);
  return plain;
}

std::string FormatFixed(double value, int minIntDigits, int decimals) {
  if (!std::isfinite(value)) return "-";
  // Whole numbers without decimals, the day and hour labels among them, need
  // no decimal rounding.
  if (decimals == 0 && std::fabs(value) < 1e15) {
    auto whole = static_cast<long long>(value);
    if (static_cast<double>(whole) == value) return FormatWhole(whole, minIntDigits);
  }
  // Fifteen significant digits, as a spreadsheet's number format sees the
  // value, then rounding half away from zero on those decimal digits: 0.15
  // with one decimal must give 0.2, though the double is just below it.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  std::string mantissa;
  for (const char* p = buffer; *p != 'e'; ++p)
    if (IsDigit(*p)) mantissa += *p;
  int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
  // mantissa digit k stands for 10^(exponent - k)
  int keep = exponent + 1 + decimals;  // digits kept before rounding
  std::string digits;
  if (keep < 0) {
    digits = "0";
  } else {
    digits = mantissa.substr(0, static_cast<size_t>(std::min<int>(keep, mantissa.size())));
    while (static_cast<int>(digits.size()) < keep) digits += '0';
    bool roundUp = keep < static_cast<int>(mantissa.size()) && mantissa[keep] >= '5';
    if (roundUp) {
      int k = static_cast<int>(digits.size()) - 1;
      while (k >= 0 && digits[k] == '9') digits[k--] = '0';
      if (k >= 0)
        ++digits[k];
      else
        digits.insert(0, "1");
    }
    if (digits.empty()) digits = "0";
  }
  // digits now hold the value times 10^decimals as an integer
  while (static_cast<int>(digits.size()) < decimals + minIntDigits) digits.insert(0, "0");
  std::string whole = digits.substr(0, digits.size() - decimals);
  std::string fraction = digits.substr(digits.size() - decimals);
  while (whole.size() > static_cast<size_t>(std::max(minIntDigits, 1)) && whole[0] == '0')
    whole.erase(0, 1);
  if (minIntDigits == 0 && whole == "0") whole.clear();
  bool zero = whole.find_first_not_of('0') == std::string::npos &&
              fraction.find_first_not_of('0') == std::string::npos;
  std::string result = (value < 0 && !zero) ? "-" : "";
  result += whole;
  if (decimals > 0) result += "." + fraction;
  return result;
}

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return "-";
  // Counts and sums of whole values, the usual case, need no printf.
  if (std::fabs(value) < 1e15 && value == std::trunc(value))
    return std::to_string(static_cast<long long>(value));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  if (text == "-0") text = "0";
  return text;
}

}  // namespace quillon
