#include "afile/decode/cell_text.h"

#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {

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
