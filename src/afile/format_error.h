// A departure from the A-file layout found while reading: the line and what
// was expected there. Thrown inside the reader only; ReadAFile turns it into
// ReadOk false and the reason beside it.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

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

// File text inside a reason: in quotes and cut after 40 characters, so that
// a reason stays one readable line whatever the file holds.
std::string Quoted(std::string_view text);

// The reason with control characters written as \xNN: a garbled line must
// not reach the terminal that shows the reason as escape sequences.
std::string Printable(std::string_view reason);

}  // namespace quillon
