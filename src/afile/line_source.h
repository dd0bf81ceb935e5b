// The lines of one A file, decoded from the stations' code page to UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "util/result.h"

namespace quillon {

// Yields the lines of a text in order, each without its CR LF or LF ending.
// The whole file is read at once (an A file is at most a few hundred
// kilobytes); lines are decoded from GBK as they are handed out. Lines of
// plain ASCII, nearly all of a file, are handed out as they are in the file.
class LineSource {
 public:
  // The text of a GBK-encoded file held in memory.
  explicit LineSource(std::string bytes);

  // Opens and reads a file; an error when it cannot be opened or read, is
  // not a regular file (a folder, pipe or device), or is too large to be an
  // A file. Never waits for a writer.
  static Result<LineSource> Open(const std::string& path);

  // The next line; false at the end of the text. A line holding a NUL byte
  // throws FormatError.
  bool Next(std::string& line);
  // The same without a copy: the view stays valid until the next call.
  bool Next(std::string_view& line);

  // 1-based number of the line last returned by Next (0 before the first).
  int LineNumber() const { return lineNumber_; }
  bool AtEnd() const { return pos_ >= bytes_.size(); }

 private:
  std::string bytes_;
  std::string decoded_;  // the last line that needed decoding
  size_t pos_ = 0;
  int lineNumber_ = 0;
  // The first NUL and the first byte outside ASCII not yet passed, each
  // found with one search ahead instead of a search per line.
  size_t nextNul_;
  size_t nextNonAscii_;
};

// Asks the system to start reading a file from the disk, so that reading it
// later finds it in memory; a file of an archive not read for years is
// otherwise read while the conversion waits. Only regular files are opened:
// a pipe or device named like an A file is left alone. Returns without
// waiting for the reading and never fails: a file that cannot be opened is
// reported when it is read.
void PrefetchFile(const std::string& path);

}  // namespace quillon
