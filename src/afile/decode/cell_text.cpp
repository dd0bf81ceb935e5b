#include "afile/decode/cell_text.h"

#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {

void MakePlainNumber(std::string& cell) {
  // One pass: the sign, the leading zeros, the other digits.
  size_t first = !cell.empty() && cell[0] == '-' ? 1 : 0;
  size_t end = first;
  while (end < cell.size() && cell[end] == '0') ++end;
  size_t zeros = end - first;
  while (end < cell.size() && cell[end] >= '0' && cell[end] <= '9') ++end;
  if (end == first || end != cell.size()) {
    cell = PlainNumber(cell);  // not signed digits alone
    return;
  }
  // Signed digits only lose their leading zeros ("0153" -> "153", "-012" ->
  // "-12"); zero is "0" whatever its sign.
  if (zeros == end - first)
    cell.assign(1, '0');
  else
    cell.erase(first, zeros);
}

// Groups are ASCII in practice: then characters are bytes.
std::string FirstChars(std::string_view text, size_t count) {
  if (IsAscii(text)) return std::string(text.substr(0, count));
  return CharSub(text, 0, count);
}

std::string LastChars(std::string_view text, size_t count) {
  if (IsAscii(text)) return std::string(text.substr(text.size() > count ? text.size() - count : 0));
  size_t length = CharLength(text);
  return CharSub(text, length > count ? length - count : 0);
}

}  // namespace quillon
