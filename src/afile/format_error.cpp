#include "afile/format_error.h"

#include <cstdio>

#include "util/utf8_text.h"

namespace quillon {

std::string Quoted(std::string_view text) {
  constexpr size_t kLongest = 40;
  if (CharLength(text) <= kLongest) return "\"" + std::string(text) + "\"";
  return "\"" + CharSub(text, 0, kLongest) + "...\"";
}

std::string Printable(std::string_view reason) {
  std::string out;
  for (char c : reason) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace quillon
