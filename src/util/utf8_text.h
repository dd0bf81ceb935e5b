// Character positions in UTF-8 text. A-file lengths and positions count
// characters, not bytes: a header or cover line may hold Chinese text.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// True when every byte is ASCII: then characters are bytes.
bool IsAscii(std::string_view text);

// Offset of the first byte outside ASCII at or after from; npos when there
// is none.
size_t FirstNonAscii(std::string_view text, size_t from = 0);

// Byte offset just past the character that starts at byte i.
size_t NextCharEnd(std::string_view text, size_t i);

// The code point of the character at byte i, advancing i past it; a
// malformed sequence gives U+FFFD and advances past what was read of it.
char32_t DecodeChar(std::string_view text, size_t& i);

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Number of characters (code points) in the UTF-8 text.
size_t CharLength(std::string_view text);

// count characters starting at character position pos (0-based); shorter
// when the text ends first, empty when pos is past the end.
std::string CharSub(std::string_view text, size_t pos, size_t count = std::string_view::npos);
// The same as a view into the text.
std::string_view CharView(std::string_view text, size_t pos, size_t count = std::string_view::npos);

}  // namespace quillon
