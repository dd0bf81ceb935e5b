#include "afile/decode/weather_text.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "util/number_text.h"
#include "util/text_replace.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

// The day text cut into characters, each a whole UTF-8 sequence, so that
// positions count characters and a garbled line is never split inside one.
// The views point into the day text or at the joining marks below.
using Chars = std::vector<std::string_view>;

Chars SplitChars(std::string_view text) {
  Chars chars;
  for (size_t i = 0; i < text.size();) {
    size_t next = NextCharEnd(text, i);
    chars.emplace_back(text.substr(i, next - i));
    i = next;
  }
  return chars;
}

std::string JoinChars(const Chars& chars) {
  std::string text;
  for (std::string_view c : chars) text += c;
  return text;
}

// Characters [from, from + count) (0-based), fewer at the end of the text.
std::string Span(const Chars& chars, size_t from, size_t count) {
  std::string text;
  for (size_t i = from; i < chars.size() && i < from + count; ++i) text += chars[i];
  return text;
}

bool IsDirectionLetter(std::string_view c) {
  return c.size() == 1 && std::string_view("NESWZ").find(c[0]) != std::string_view::npos;
}

bool IsDigitChar(std::string_view c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9'; }

// The first seven characters (a phenomenon code and its first time) are
// never joined: scans start at position 8 (index 7).
constexpr size_t kFirstJoinIndex = 7;

// Direction letters written apart are joined: "N E" -> "N-E".
void JoinDirections(Chars& chars) {
  for (size_t k = kFirstJoinIndex; k + 1 < chars.size(); ++k)
    if (chars[k] == " " && IsDirectionLetter(chars[k - 1]) && IsDirectionLetter(chars[k + 1]))
      chars[k] = "-";
}

// "0810 1030" -> "0810-1030": the start and end of a phenomenon.
void JoinTimes(Chars& chars) {
  for (size_t k = kFirstJoinIndex; k < chars.size(); ++k) {
    if (chars[k] != " ") continue;
    std::string after = Span(chars, k + 1, 4);
    std::string before = Span(chars, k - 4, 4);
    bool endTime = after == "////" || IsNumeric(after);
    bool startTime = before == "////" || (IsDigitChar(chars[k - 4]) && IsDigitChar(chars[k - 3]) &&
                                          IsDigitChar(chars[k - 2]) && IsDigitChar(chars[k - 1]));
    if (endTime && startTime) chars[k] = "-";
  }
}

// ";123" -> "[123]": a value that goes with the phenomenon. The scan covers
// the positions the text had before it grew.
void BracketValues(Chars& chars) {
  const size_t end = chars.size();
  for (size_t k = 2; k < end && k < chars.size(); ++k) {
    if (chars[k] != ";") continue;
    std::string value = Span(chars, k + 1, 3);
    if (value != "///" && !IsNumeric(value)) continue;
    chars[k] = "[";
    size_t close = std::min(k + 4, chars.size());
    chars.insert(chars.begin() + static_cast<std::ptrdiff_t>(close), "]");
  }
}

std::string WeatherText(std::string text) {
  ReplaceAll(text, "   ", "...");
  ReplaceAll(text, " ,", "-,");
  Chars chars = SplitChars(text);
  if (chars.size() > 7) {
    JoinDirections(chars);
    JoinTimes(chars);
  }
  if (chars.size() > 2) BracketValues(chars);
  return JoinChars(chars);
}

}  // namespace

void DecodeWeatherText(ElementTable& table) {
  // The day's line is kept in slot 0; a table without it has nothing to read.
  if (table.FirstSlot() > 0 || table.LastSlot() < 0) return;
  for (int day = 1; day <= table.Days(); ++day) {
    std::string& t = table.At(day, 0);
    t = WeatherText(t);
  }
}

}  // namespace quillon
