// A file that appears at its target only when it is complete. It is written
// to a temporary file in the target's folder, flushed to the disk and then
// renamed over the target, so a failure never leaves half a workbook and
// never damages the one already there. The temporary file is removed on any
// failure. Failures come back as a reason the user can read.
//
// What the user gave the workbook survives its replacement: a name that is a
// symbolic link updates the file it points to, the permission bits (and the
// owner, when the save runs as root) are carried over, and a workbook that no
// one may write to is refused, whoever saves.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/workbook_options.h"
#include "grid/xls/byte_sink.h"
#include "grid/xls/early_flush.h"
#include "util/result.h"

namespace quillon::xls {

class AtomicFile : public ByteSink {
 public:
  AtomicFile() = default;
  ~AtomicFile() override;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Checks the target and creates the temporary file next to it; temporary
  // files that a killed save of the same target left behind are removed.
  Status Open(const std::string& target);

  void Write(std::string_view bytes) override;
  void Overwrite(uint64_t offset, std::string_view bytes) override;
  uint64_t Size() const override { return size_; }
  bool Failed() const override { return error_ != 0; }
  // Why writing failed, when it did.
  Status WriteStatus() const { return Failed() ? WriteFailure() : Done(); }

  // The temporary file's name, for a writer that opens the file by name
  // itself; what it writes there is put in place by Commit like the rest.
  const std::string& TempPath() const { return temp_; }

  // Puts the file in place of the target, once control.beforeReplacing (when
  // given) agrees; the temporary file stays locked until then.
  // control.whileWritingBack (when given) runs while the disk takes the bytes,
  // before the save waits for them.
  Status Commit(const SaveControl& control = {});

 private:
  Status CheckTarget();
  Status CreateTemp();
  void KeepTargetsAttributes();
  void Flush();
  void Append(const char* data, size_t size);
  void StartWriteback();
  // Ends the early flush; returns the error number of one that failed.
  int StopEarlyFlush();
  void Discard();
  Status WriteFailure() const;

  std::string target_;  // as the user named it, for the reasons
  std::string real_;    // the file written: the target with its links followed
  std::string folder_;
  std::string temp_;
  int fd_ = -1;
  bool replaces_ = false;  // the real target exists and is replaced
  mode_t mode_ = 0;
  uid_t owner_ = 0;
  gid_t group_ = 0;
  std::string buffer_;
  uint64_t size_ = 0;
  uint64_t appended_ = 0;                   // bytes written at the file's end so far
  uint64_t writebackFrom_ = 0;              // where the disk has not yet been asked to start
  int error_ = 0;                           // the first failure's error number
  std::unique_ptr<EarlyFlush> earlyFlush_;  // once the file is large
};

// Makes the names given to files in the folders of these paths last a power
// cut: each folder, links followed, is flushed to the disk once.
void SyncFoldersOf(const std::vector<std::string>& paths);

}  // namespace quillon::xls
