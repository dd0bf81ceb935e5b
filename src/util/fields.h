// Separated texts: a wind cell "NE/35", code lists joined by ",".
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Occurrences of separator in text, not overlapping. An empty separator
// throws std::invalid_argument (it would match forever).
int32_t CountOf(std::string_view text, std::string_view separator);

// The n-th field (1-based) of the text trimmed of blanks at both ends; the
// empty text when there is no such field. FieldOf("NE/35", "/", 2) is "35".
std::string FieldOf(std::string_view text, std::string_view separator, int n);

// The text behind the first separator, or the whole text when it holds none:
// the speed of a wind cell "NE/35" is "35", of "-/-" it is "-".
inline std::string_view AfterFirst(std::string_view text, char separator) {
  size_t at = text.find(separator);
  return at == std::string_view::npos ? text : text.substr(at + 1);
}

// Blanks (space, tab) removed from the ends.
std::string_view Trim(std::string_view text);
std::string_view TrimRight(std::string_view text);

// Every occurrence of the character removed.
std::string RemoveAll(std::string_view text, char c);

// The same in place, the text untouched when it holds no c.
void EraseAll(std::string& text, char c);

// True when the text is not empty and made only of the character c.
bool IsAllOf(std::string_view text, char c);

// Text made only of blanks (the empty text included).
inline bool IsBlankOrEmpty(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

// Cut at every separator; two separators in a row give an empty piece, so
// every value keeps its position. The empty text gives one empty piece.
std::vector<std::string> SplitAt(std::string_view text, char separator);

// The same into views of the text, reusing the storage of pieces: a reader
// cuts thousands of lines a file.
void SplitInto(std::string_view text, char separator, std::vector<std::string_view>& pieces);

// The pieces SplitAt would give, handed out one at a time as views of the
// text: a reader stores each value as it is cut, without a list between.
class FieldCursor {
 public:
  FieldCursor(std::string_view text, char separator)
      : next_(text.data()), end_(text.data() + text.size()), separator_(separator) {}

  // True once the last piece has been handed out.
  bool Done() const { return done_; }

  // The next piece; only while !Done().
  std::string_view Next() {
    const char* start = next_;
    const char* p = start;
    while (p != end_ && *p != separator_) ++p;
    done_ = p == end_;
    next_ = done_ ? end_ : p + 1;
    return {start, static_cast<size_t>(p - start)};
  }

  // Pieces not yet handed out.
  size_t Left() const {
    if (done_) return 0;
    return 1 + static_cast<size_t>(std::count(next_, end_, separator_));
  }

 private:
  const char* next_;
  const char* end_;
  char separator_;
  bool done_ = false;
};

}  // namespace quillon
