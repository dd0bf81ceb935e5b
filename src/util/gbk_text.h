// Decoding of the stations' Chinese code page. The one platform piece of the
// text input: a Windows build swaps gbk_text_iconv.cpp for its own.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// GBK (read as GB18030, its superset) to UTF-8. Bytes that do not decode
// become U+FFFD; the rest of the text is still decoded.
std::string GbkToUtf8(std::string_view bytes);

// UTF-8 to GB18030, for writing A files in tests and sample generators.
// Characters that cannot be encoded become "?".
std::string Utf8ToGbk(std::string_view text);

}  // namespace quillon
