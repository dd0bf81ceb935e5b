#include "util/utf8_text.h"

#include <cstdint>
#include <cstring>

namespace quillon {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character position pos, or text.size() when past the end.
size_t ByteOffset(std::string_view text, size_t pos) {
  size_t i = 0;
  for (; pos > 0 && i < text.size(); --pos) i = NextCharEnd(text, i);
  return i;
}

}  // namespace

bool IsAscii(std::string_view text) { return FirstNonAscii(text) == std::string_view::npos; }

// Eight bytes at a time: whole files are looked at.
size_t FirstNonAscii(std::string_view text, size_t from) {
  constexpr uint64_t kHighBits = 0x8080808080808080u;
  size_t i = from;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t eight;
    std::memcpy(&eight, text.data() + i, 8);
    if (eight & kHighBits) break;
  }
  for (; i < text.size(); ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x80) return i;
  return std::string_view::npos;
}

size_t NextCharEnd(std::string_view text, size_t i) {
  ++i;
  while (i < text.size() && IsContinuation(static_cast<unsigned char>(text[i]))) ++i;
  return i;
}

char32_t DecodeChar(std::string_view text, size_t& i) {
  auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra;
  char32_t cp;
  char32_t least;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, least = 0x10000;
  } else {
    return kReplacementChar;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i])))
      return kReplacementChar;
    cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  if (cp < least || cp > 0x10FFFF || surrogate) return kReplacementChar;
  return cp;
}

size_t CharLength(std::string_view text) {
  size_t n = 0;
  for (char c : text)
    if (!IsContinuation(static_cast<unsigned char>(c))) ++n;
  return n;
}

std::string CharSub(std::string_view text, size_t pos, size_t count) {
  return std::string(CharView(text, pos, count));
}

std::string_view CharView(std::string_view text, size_t pos, size_t count) {
  size_t begin = ByteOffset(text, pos);
  if (count == std::string_view::npos) return text.substr(begin);
  size_t end = begin + ByteOffset(text.substr(begin), count);
  return text.substr(begin, end - begin);
}

}  // namespace quillon
