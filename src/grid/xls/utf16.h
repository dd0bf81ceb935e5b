// Workbooks store text as UTF-16; the grid holds UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quillon::xls {

// Bytes that are not UTF-8 become U+FFFD; characters beyond U+FFFF become
// surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view text);

// True when every unit fits in one byte, so the text may be stored with the
// high bytes left out.
bool FitsOneByte(std::u16string_view text);

}  // namespace quillon::xls
