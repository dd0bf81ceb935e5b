#include "afile/decode/cell_text.h"

#include "util/number_text.h"
#include "util/utf8_text.h"

namespace quillon {

std::string FirstChars(std::string_view text, size_t count) { return CharSub(text, 0, count); }

std::string LastChars(std::string_view text, size_t count) {
  size_t length = CharLength(text);
  return CharSub(text, length > count ? length - count : 0);
}

bool IsThreeObservationStation(std::string_view timesPerDay) {
  return LeadingNumber(timesPerDay) == 3;
}

}  // namespace quillon
