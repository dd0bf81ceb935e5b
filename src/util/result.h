// How a failure at the program's edges is handed back: what kind of failure,
// and the reason in words a station user can act on ("line 812: expected
// section \"F\", found \"D0\"", "no permission to write in /data").
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace quillon {

enum class ErrorKind {
  Format,      // an A file's content breaks the format
  Unreadable,  // a file or folder cannot be opened or read as it is
  Unwritable,  // a workbook cannot be written where it should go
  TooLarge,    // more than a workbook can hold
  Unexpected,  // a fault nobody foresaw: out of memory, a bug
};

struct Error {
  ErrorKind kind;
  std::string reason;
};

// A value, or the error that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::move(value)) {}
  Result(Error error) : v_(std::move(error)) {}

  bool Ok() const { return v_.index() == 0; }
  T& Value() & { return std::get<0>(v_); }
  const T& Value() const& { return std::get<0>(v_); }
  T&& Value() && { return std::get<0>(std::move(v_)); }
  const Error& Failure() const { return std::get<1>(v_); }

 private:
  std::variant<T, Error> v_;
};

// The reason of a failed result; empty for a success.
template <typename T>
std::string ReasonOf(const Result<T>& result) {
  return result.Ok() ? std::string() : result.Failure().reason;
}

// Success without a value, or an error.
using Status = Result<std::monostate>;
inline Status Done() { return std::monostate{}; }

}  // namespace quillon
