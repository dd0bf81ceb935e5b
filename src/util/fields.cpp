#include "util/fields.h"

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

std::string_view Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

std::string_view TrimRight(std::string_view text) {
  size_t end = text.find_last_not_of(" \t");
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
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

bool IsAllOf(std::string_view text, char c) {
  return !text.empty() && text.find_first_not_of(c) == std::string_view::npos;
}

}  // namespace quillon
