#include <errno.h>
#include <iconv.h>

#include <stdexcept>

#include "util/gbk_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

// A converter opened once per thread and direction: opening one costs far
// more than converting a line, and a file has dozens of Chinese lines.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // One conversion with a replacement for every byte that does not convert.
  std::string Convert(std::string_view in, std::string_view replacement) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh start after any earlier text
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (rc == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a cut-off sequence at the end): replace one byte
        // and go on, so one bad byte never hides the rest of the line.
        out.append(replacement);
        ++src;
        --srcLeft;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string GbkToUtf8(std::string_view bytes) {
  if (IsAscii(bytes)) return std::string(bytes);
  thread_local Converter fromGbk("UTF-8", "GB18030");
  return fromGbk.Convert(bytes, "\xEF\xBF\xBD");
}

std::string Utf8ToGbk(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  thread_local Converter toGbk("GB18030", "UTF-8");
  return toGbk.Convert(text, "?");
}

}  // namespace quillon
