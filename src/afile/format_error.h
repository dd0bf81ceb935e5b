// A departure from the A-file layout found while reading: the line and what
// was expected there. Thrown inside the reader only; ReadAFile turns it into
// ReadOk false and the reason beside it.
#pragma once

#include <stdexcept>
#include <string>

namespace quillon {

class FormatError : public std::runtime_error {
 public:
  FormatError(int line, std::string detail)
      : std::runtime_error("line " + std::to_string(line) + ": " + detail),
        line_(line),
        detail_(std::move(detail)) {}

  int Line() const { return line_; }
  const std::string& Detail() const { return detail_; }

 private:
  int line_;
  std::string detail_;
};

}  // namespace quillon
