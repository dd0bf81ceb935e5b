// Character positions in UTF-8 text. A-file lengths and positions count
// characters, not bytes: a header or cover line may hold Chinese text.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Number of characters (code points) in the UTF-8 text.
size_t CharLength(std::string_view text);

// count characters starting at character position pos (0-based); shorter
// when the text ends first, empty when pos is past the end.
std::string CharSub(std::string_view text, size_t pos, size_t count = std::string_view::npos);

}  // namespace quillon
