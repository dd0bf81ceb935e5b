#include "util/fields.h"

#include <algorithm>
#include <stdexcept>

namespace quillon {

int32_t CountOf(std::string_view text, std::string_view separator) {
  if (separator.empty()) throw std::invalid_argument("CountOf: empty separator");
  int32_t count = 0;
  size_t at = text.find(separator);
  while (at != std::string_view::npos) {
    ++count;
    at = text.find(separator, at + separator.size());
  }
  return count;
}

std::string FieldOf(std::string_view text, std::string_view separator, int n) {
  if (separator.empty() || n < 1) return {};
  std::string work = std::string(separator) + std::string(Trim(text));
  size_t at = 0;
  for (int k = 1; k <= n; ++k) {
    at = work.find(separator, at);
    if (at == std::string::npos) return {};
    at += separator.size();
  }
  size_t end = work.find(separator, at);
  return work.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

// Plain loops: cells are short, and a search per character costs more.
std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return TrimRight(text);
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string RemoveAll(std::string_view text, char c) {
  std::string result;
  result.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(c); at != std::string_view::npos; at = text.find(c, from)) {
    result.append(text.substr(from, at - from));
    from = at + 1;
  }
  result.append(text.substr(from));
  return result;
}

void EraseAll(std::string& text, char c) {
  size_t at = text.find(c);
  if (at == std::string::npos) return;
  text.erase(std::remove(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), c),
             text.end());
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    pieces.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

// A plain loop: the pieces are a few characters long, shorter than a search
// pays for.
void SplitInto(std::string_view text, char separator, std::vector<std::string_view>& pieces) {
  pieces.clear();
  const char* start = text.data();
  const char* end = text.data() + text.size();
  for (const char* p = start; p != end; ++p)
    if (*p == separator) {
      pieces.emplace_back(start, static_cast<size_t>(p - start));
      start = p + 1;
    }
  pieces.emplace_back(start, static_cast<size_t>(end - start));
}

bool IsAllOf(std::string_view text, char c) {
  return !text.empty() && text.find_first_not_of(c) == std::string_view::npos;
}

}  // namespace quillon
