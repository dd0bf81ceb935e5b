// Replacing parts of a text: code tables and display joins work on texts
// that are rewritten piece by piece.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Every occurrence of from replaced by to, scanning left to right; the
// inserted text is not searched again ("aaa" with "aa" -> "b" gives "ba").
// An empty from changes nothing.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// Only the first occurrence of from replaced by to.
void ReplaceFirst(std::string& text, std::string_view from, std::string_view to);

}  // namespace quillon
