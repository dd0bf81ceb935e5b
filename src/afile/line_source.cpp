#include "afile/line_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "afile/format_error.h"
#include "util/gbk_text.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

// Far above any station-month; a larger file is not an A file, and reading it
// whole would only cost memory.
constexpr size_t kMaxFileBytes = 64u << 20;

// Closes the file on every way out of Open.
struct FileHandle {
  int fd;
  ~FileHandle() {
    if (fd >= 0) ::close(fd);
  }
};

// The bytes of an open file, at most one more than the limit whatever size
// the file claims: a file that grows while it is read, or claims no size at
// all, cannot make the read run away. False with errno set on a failed read.
bool ReadUpTo(int fd, size_t claimed, std::string& bytes) {
  bytes.resize(std::min(claimed, kMaxFileBytes) + 1);
  size_t have = 0;
  while (have <= kMaxFileBytes) {
    if (have == bytes.size()) bytes.resize(std::min(bytes.size() * 2, kMaxFileBytes + 1));
    ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  bytes.resize(have);
  return true;
}

}  // namespace

LineSource::LineSource(std::string bytes)
    : bytes_(std::move(bytes)), nextNul_(bytes_.find('\0')), nextNonAscii_(FirstNonAscii(bytes_)) {}

Result<LineSource> LineSource::Open(const std::string& path) {
  // Without blocking: a pipe named like an A file must not wait for a writer.
  FileHandle file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  struct stat info;
  if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
    return Error{ErrorKind::Unreadable, "cannot open " + path + ": " + std::strerror(errno)};
  }
  if (S_ISDIR(info.st_mode)) {
    return Error{ErrorKind::Unreadable, "cannot open " + path + ": it is a folder"};
  }
  // A device or pipe may never end (a link to /dev/zero reads forever).
  if (!S_ISREG(info.st_mode)) {
    return Error{ErrorKind::Unreadable, "cannot open " + path + ": not a regular file"};
  }
  bool tooLarge = static_cast<uint64_t>(info.st_size) > kMaxFileBytes;
  std::string bytes;
  if (!tooLarge && !ReadUpTo(file.fd, static_cast<size_t>(info.st_size), bytes)) {
    return Error{ErrorKind::Unreadable, "cannot read " + path + ": " + std::strerror(errno)};
  }
  if (tooLarge || bytes.size() > kMaxFileBytes) {
    return Error{ErrorKind::Unreadable, "cannot read " + path + ": more than " +
                                            std::to_string(kMaxFileBytes >> 20) +
                                            " MiB is too large for an A file"};
  }
  return LineSource(std::move(bytes));
}

void PrefetchFile(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
  FileHandle file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (file.fd >= 0) ::posix_fadvise(file.fd, 0, 0, POSIX_FADV_WILLNEED);
}

bool LineSource::Next(std::string& line) {
  std::string_view view;
  if (!Next(view)) return false;
  line.assign(view);
  return true;
}

bool LineSource::Next(std::string_view& line) {
  if (pos_ >= bytes_.size()) return false;
  size_t start = pos_;
  size_t end = bytes_.find('\n', start);
  size_t next = end == std::string::npos ? bytes_.size() : end + 1;
  if (end == std::string::npos) end = bytes_.size();
  if (end > start && bytes_[end - 1] == '\r') --end;
  std::string_view raw = std::string_view(bytes_).substr(start, end - start);
  pos_ = next;
  ++lineNumber_;
  // A NUL is what a write cut short by a power failure leaves on the disk;
  // kept, it would pass for part of a value and reach the workbook.
  if (nextNul_ < end) {
    size_t column = nextNul_ - start + 1;
    nextNul_ = bytes_.find('\0', next);
    throw FormatError(lineNumber_, "a NUL byte at column " + std::to_string(column));
  }
  if (nextNonAscii_ >= end) {
    line = raw;
  } else {
    decoded_ = GbkToUtf8(raw);
    line = decoded_;
    nextNonAscii_ = FirstNonAscii(bytes_, next);
  }
  return true;
}

}  // namespace quillon
