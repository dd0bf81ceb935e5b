#include "util/utf8_text.h"

namespace quillon {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character position pos, or text.size() when past the end.
size_t ByteOffset(std::string_view text, size_t pos) {
  size_t i = 0;
  while (pos > 0 && i < text.size()) {
    ++i;
    while (i < text.size() && IsContinuation(static_cast<unsigned char>(text[i]))) ++i;
    --pos;
  }
  return i;
}

}  // namespace

size_t CharLength(std::string_view text) {
  size_t n = 0;
  for (char c : text)
    if (!IsContinuation(static_cast<unsigned char>(c))) ++n;
  return n;
}

std::string CharSub(std::string_view text, size_t pos, size_t count) {
  size_t begin = ByteOffset(text, pos);
  if (count == std::string_view::npos) return std::string(text.substr(begin));
  size_t end = begin + ByteOffset(text.substr(begin), count);
  return std::string(text.substr(begin, end - begin));
}

}  // namespace quillon
