#include "util/plain_decimal.h"

#include <charconv>

namespace quillon {
namespace {

constexpr int kMostSignificantDigits = 15;  // what a double keeps exactly

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t DigitsFrom(std::string_view text, size_t i) {
  size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i - start;
}

}  // namespace

std::optional<PlainDecimal> AsPlainDecimal(std::string_view text) {
  bool negative = !text.empty() && text[0] == '-';
  size_t begin = negative ? 1 : 0;
  size_t whole = DigitsFrom(text, begin);
  if (whole == 0 || (whole > 1 && text[begin] == '0')) return std::nullopt;
  size_t end = begin + whole;
  int decimals = 0;
  if (end < text.size() && text[end] == '.') {
    decimals = static_cast<int>(DigitsFrom(text, end + 1));
    if (decimals == 0 || decimals > kMostPlainDecimals) return std::nullopt;
    end += 1 + static_cast<size_t>(decimals);
  }
  if (end != text.size()) return std::nullopt;
  size_t first = text.find_first_of("123456789", begin);
  if (first == std::string_view::npos) {
    if (negative) return std::nullopt;
  } else {
    size_t digits = text.size() - first;
    if (decimals > 0 && first < end - static_cast<size_t>(decimals)) --digits;  // the point
    if (digits > kMostSignificantDigits) return std::nullopt;
  }
  PlainDecimal number;
  number.decimals = decimals;
  auto parsed = std::from_chars(text.data(), text.data() + text.size(), number.value);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) return std::nullopt;
  return number;
}

std::string DecimalFormat(int decimals) {
  std::string format = "0";
  if (decimals > 0) format += "." + std::string(static_cast<size_t>(decimals), '0');
  return format;
}

}  // namespace quillon
