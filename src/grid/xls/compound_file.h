// The container of an Excel 97-2003 workbook: a compound file (version 3,
// 512-byte sectors) holding one stream. The stream is written through this
// object as it is produced, so a large workbook is never held in memory; the
// directory, the allocation tables and the header follow in Finish. The
// stream's first bytes may also come last, in Finish: the sheets of a
// workbook can then reach the disk before its global records are known.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grid/xls/byte_sink.h"

namespace quillon::xls {

class CompoundFileWriter : public ByteSink {
 public:
  static constexpr uint32_t kSectorBytes = 512;
  // Streams below this size belong in the small-stream area, which this
  // writer does not make; a shorter stream is padded up to it with zeros.
  static constexpr uint32_t kMinStreamBytes = 4096;
  // Stream sizes are 32-bit in this container version.
  static constexpr uint64_t kMaxStreamBytes = 0xFFFFF000;

  // Starts the container in the empty sink file.
  CompoundFileWriter(ByteSink& file, std::u16string streamName);

  // The stream's bytes; offsets count from the stream's first byte.
  void Write(std::string_view bytes) override;
  void Overwrite(uint64_t offset, std::string_view bytes) override;
  uint64_t Size() const override { return streamBytes_; }
  bool Failed() const override { return TooLarge() || file_.Failed(); }
  bool TooLarge() const { return leadingBytes_ + streamBytes_ > kMaxStreamBytes; }

  // Ends the stream and completes the container. leading (whole sectors)
  // goes before the bytes written so far in the stream, though after them in
  // the file.
  void Finish(std::string_view leading = {});

 private:
  ByteSink& file_;
  std::u16string streamName_;
  uint64_t streamBytes_ = 0;
  uint64_t leadingBytes_ = 0;
};

}  // namespace quillon::xls
