// Where the parts of a workbook write their bytes: a file, or memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::xls {

// Bytes worth handing over in one write: a file passes a write this large
// straight to the disk instead of copying it into a buffer of its own first.
constexpr size_t kLargeWriteBytes = size_t{1} << 20;

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Appends bytes. After a failure, writes are ignored and Failed() stays true.
  virtual void Write(std::string_view bytes) = 0;
  // Replaces bytes written earlier, starting at offset.
  virtual void Overwrite(uint64_t offset, std::string_view bytes) = 0;
  // Bytes written so far.
  virtual uint64_t Size() const = 0;
  virtual bool Failed() const = 0;
};

class StringSink : public ByteSink {
 public:
  void Write(std::string_view bytes) override { bytes_.append(bytes); }
  void Overwrite(uint64_t offset, std::string_view bytes) override {
    bytes_.replace(static_cast<size_t>(offset), bytes.size(), bytes);
  }
  uint64_t Size() const override { return bytes_.size(); }
  bool Failed() const override { return false; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace quillon::xls
