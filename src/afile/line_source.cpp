#include "afile/line_source.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "util/gbk_text.h"

namespace quillon {
namespace {

// Far above any station-month; a larger file is not an A file, and reading it
// whole would only cost memory.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

}  // namespace

LineSource::LineSource(std::string bytes) : bytes_(std::move(bytes)) {}

std::optional<LineSource> LineSource::Open(const std::string& path, std::string& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "cannot open " + path + ": it is a folder";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxFileBytes) {
    error =
        "cannot read " + path + ": " + std::to_string(size) + " bytes is too large for an A file";
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  return LineSource(std::move(content).str());
}

bool LineSource::Next(std::string& line) {
  if (pos_ >= bytes_.size()) return false;
  size_t end = bytes_.find('\n', pos_);
  size_t next = end == std::string::npos ? bytes_.size() : end + 1;
  if (end == std::string::npos) end = bytes_.size();
  if (end > pos_ && bytes_[end - 1] == '\r') --end;
  line = GbkToUtf8(std::string_view(bytes_).substr(pos_, end - pos_));
  pos_ = next;
  ++lineNumber_;
  return true;
}

}  // namespace quillon
