#include "afile/decode/cell_text.h"

#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {

namespace {

bool IsSignedDigits(std::string_view text) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

}  // namespace

void MakePlainNumber(std::string& cell) {
  if (!IsSignedDigits(cell)) {
    cell = PlainNumber(cell);
    return;
  }
  // Signed digits only lose their leading zeros ("0153" -> "153", "-012" ->
  // "-12"); zero is "0" whatever its sign.
  size_t first = cell[0] == '-' ? 1 : 0;
  size_t zeros = 0;
  while (first + zeros < cell.size() && cell[first + zeros] == '0') ++zeros;
  if (first + zeros == cell.size())
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
