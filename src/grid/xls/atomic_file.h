// A file that appears at its target only when it is complete. It is written
// to a temporary file in the target's folder, flushed to the disk and then
// renamed over the target, so a failure never leaves half a workbook and
// never damages the one already there. The temporary file is removed on any
// failure. Failures come back as a reason the user can read.
#pragma once

#include <cstdint>
#include <string>

#include "grid/export_result.h"
#include "grid/xls/byte_sink.h"

namespace quillon::xls {

class AtomicFile : public ByteSink {
 public:
  AtomicFile() = default;
  ~AtomicFile() override;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Checks the target and creates the temporary file next to it.
  ExportResult Open(const std::string& target);

  void Write(std::string_view bytes) override;
  void Overwrite(uint64_t offset, std::string_view bytes) override;
  uint64_t Size() const override { return size_; }
  bool Failed() const override { return error_ != 0; }

  // Puts the file in place of the target.
  ExportResult Commit();

 private:
  void Flush();
  void Discard();
  ExportResult WriteFailure() const;

  std::string target_;
  std::string folder_;
  std::string temp_;
  int fd_ = -1;
  std::string buffer_;
  uint64_t size_ = 0;
  int error_ = 0;  // the first failure's error number
};

}  // namespace quillon::xls
