#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <set>
#include <system_error>

#include "grid/xls/atomic_file.h"

namespace quillon::xls {
namespace {

constexpr size_t kBufferBytes = kLargeWriteBytes;
// Smaller files are flushed at the end only: a thread would cost more.
constexpr uint64_t kEarlyFlushFromBytes = uint64_t{4} << 20;

Status Failure(std::string reason) { return Error{ErrorKind::Unwritable, std::move(reason)}; }

std::string Described(const std::string& what, const std::string& path, int error) {
  return what + ": " + path + " (" + std::strerror(error) + ")";
}

// Why nothing could be created in the folder.
Status FolderFailure(int error, const std::string& folder) {
  switch (error) {
    case ENOENT:
      return Failure("folder does not exist: " + folder);
    case ENOTDIR:
      return Failure("not a folder: " + folder);
    case EACCES:
    case EPERM:
      return Failure("no permission to write in folder: " + folder);
    case EROFS:
      return Failure("folder is on a read-only disk: " + folder);
    case ENOSPC:
    case EDQUOT:
      return Failure("disk full: " + folder);
    default:
      return Failure(Described("cannot write in folder", folder, error));
  }
}

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

// The file a name stands for once every symbolic link on the way is followed;
// a link to a file not there yet stands for that file. ELOOP for a loop.
int FollowLinks(const std::string& name, std::string& real) {
  std::filesystem::path path(name);
  for (int hop = 0; hop <= kMostLinks; ++hop) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      real = path.string();
      return 0;
    }
    std::error_code ec;
    std::filesystem::path link = std::filesystem::read_symlink(path, ec);
    if (ec) return ec.value();
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return ELOOP;
}

// Temporary files are named after their workbook by a short digest, so that
// a long but legal workbook name still leaves room for them, and the leftovers
// of one workbook can be told from those of another.
std::string TempPrefix(const std::string& real) {
  uint32_t hash = 2166136261u;  // FNV-1a
  for (unsigned char c : std::filesystem::path(real).filename().string()) {
    hash ^= c;
    hash *= 16777619u;
  }
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
  return std::string(".quillon-") + hex + "-";
}

std::string TempName(const std::string& folder, const std::string& prefix) {
  // Each thread its own: two workbooks may be saved at once.
  thread_local std::random_device random;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(random()));
  return (std::filesystem::path(folder) / (prefix + hex + ".tmp")).string();
}

// A save holds a lock on its temporary file until it ends; a temporary file
// of this workbook that nobody holds was left by a save that was killed.
void RemoveLeftovers(const std::string& folder, const std::string& prefix) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) continue;
    int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(it->path().c_str());
    ::close(fd);
  }
}

// Whether a temporary file just made was taken as a leftover before this
// save could lock it: it is locked by the one removing it, or already gone
// from its name. A disk without locks keeps the file: locking is best effort.
bool TakenBeforeLocked(int fd, const std::string& temp) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK;
  struct stat mine, named;
  if (::fstat(fd, &mine) != 0) return false;
  return ::stat(temp.c_str(), &named) != 0 || named.st_ino != mine.st_ino ||
         named.st_dev != mine.st_dev;
}

// A copy of the temporary file's descriptor, which holds its lock while it
// lives.
struct FileLock {
  int fd;
  ~FileLock() {
    if (fd >= 0) ::close(fd);
  }
};

// The new name lasts a power cut only once the folder is on the disk too.
void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

bool WriteAll(int fd, const char* data, size_t size, int64_t offset) {
  while (size > 0) {
    ssize_t n = offset < 0 ? ::write(fd, data, size) : ::pwrite(fd, data, size, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
    if (offset >= 0) offset += n;
  }
  return true;
}

}  // namespace

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Discard() {
  StopEarlyFlush();  // before the descriptor it flushes is closed
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

Status AtomicFile::Open(const std::string& target) {
  target_ = target;
  if (target.empty() || !std::filesystem::path(target).has_filename())
    return Failure("target is a folder: " + target);
  if (int error = FollowLinks(target, real_); error != 0)
    return Failure(Described("cannot follow the links of", target, error));
  std::filesystem::path real(real_);
  folder_ = real.parent_path().empty() ? "." : real.parent_path().string();
  if (Status checked = CheckTarget(); !checked.Ok()) return checked;
  struct stat info;
  if (::stat(folder_.c_str(), &info) != 0) return FolderFailure(errno, folder_);
  if (!S_ISDIR(info.st_mode)) return Failure("not a folder: " + folder_);
  return CreateTemp();
}

Status AtomicFile::CheckTarget() {
  struct stat info;
  if (::stat(real_.c_str(), &info) != 0) {
    if (errno == ENAMETOOLONG) return Failure("name too long: " + target_);
    return Done();
  }
  if (S_ISDIR(info.st_mode)) return Failure("target is a folder: " + target_);
  // Renaming over a device or pipe would replace it by a plain file.
  if (!S_ISREG(info.st_mode)) return Failure("target is not a plain file: " + target_);
  // A read-only workbook is one the user keeps from being overwritten; the
  // mode bits say so even to root, whom access() lets write anything.
  if ((info.st_mode & 0222) == 0)
    return Failure("no permission to replace: " + target_ + " (the workbook is read-only)");
  if (::access(real_.c_str(), W_OK) != 0) return Failure("no permission to replace: " + target_);
  replaces_ = true;
  mode_ = info.st_mode & 0777;
  owner_ = info.st_uid;
  group_ = info.st_gid;
  return Done();
}

Status AtomicFile::CreateTemp() {
  std::string prefix = TempPrefix(real_);
  RemoveLeftovers(folder_, prefix);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = TempName(folder_, prefix);
    fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      if (errno != EEXIST) return FolderFailure(errno, folder_);
      continue;
    }
    // The lock is held until the save ends (see RemoveLeftovers). Another
    // save of this workbook clearing leftovers may take the file in the
    // instant before it is locked: then it is theirs to remove, and another
    // name is tried.
    if (TakenBeforeLocked(fd_, temp)) {
      ::close(fd_);
      fd_ = -1;
      continue;
    }
    temp_ = temp;
    buffer_.reserve(kBufferBytes);
    return Done();
  }
  return Failure("cannot make a temporary file in folder: " + folder_);
}

// Best effort: a disk without owners or modes (a FAT memory stick) refuses
// these, and a save is not worth losing over them.
void AtomicFile::KeepTargetsAttributes() {
  if (!replaces_) return;
  int owned = ::geteuid() == 0 ? ::fchown(fd_, owner_, group_)
                               : ::fchown(fd_, static_cast<uid_t>(-1), group_);
  int moded = ::fchmod(fd_, mode_);
  (void)owned;
  (void)moded;
}

void AtomicFile::Write(std::string_view bytes) {
  if (error_ != 0) return;
  size_ += bytes.size();
  if (buffer_.size() + bytes.size() > kBufferBytes) Flush();
  if (bytes.size() >= kBufferBytes) {
    if (error_ == 0) Append(bytes.data(), bytes.size());
  } else {
    buffer_.append(bytes);
  }
}

void AtomicFile::Flush() {
  if (error_ == 0 && !buffer_.empty()) Append(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void AtomicFile::Append(const char* data, size_t size) {
  if (!WriteAll(fd_, data, size, -1)) {
    error_ = errno;
    return;
  }
  appended_ += size;
  StartWriteback();
}

// The disk starts on what is written while the rest is still being made, so
// that the flush before the rename waits for little more than the last part.
// Only a head start: the flush itself still makes the workbook safe.
void AtomicFile::StartWriteback() {
#ifdef SYNC_FILE_RANGE_WRITE
  (void)::sync_file_range(fd_, static_cast<off_t>(writebackFrom_),
                          static_cast<off_t>(appended_ - writebackFrom_), SYNC_FILE_RANGE_WRITE);
  writebackFrom_ = appended_;
#endif
  // A large workbook is also flushed as it grows. Without a thread for it
  // the save is only slower.
  if (!earlyFlush_ && appended_ >= kEarlyFlushFromBytes) {
    try {
      earlyFlush_ = std::make_unique<EarlyFlush>(fd_);
    } catch (const std::system_error&) {
      return;
    }
  }
  if (earlyFlush_) earlyFlush_->Written(appended_);
}

int AtomicFile::StopEarlyFlush() {
  if (!earlyFlush_) return 0;
  int error = earlyFlush_->Stop();
  earlyFlush_.reset();
  return error;
}

void AtomicFile::Overwrite(uint64_t offset, std::string_view bytes) {
  Flush();
  if (error_ == 0 && !WriteAll(fd_, bytes.data(), bytes.size(), static_cast<int64_t>(offset)))
    error_ = errno;
}

Status AtomicFile::WriteFailure() const {
  switch (error_) {
    case ENOSPC:
    case EDQUOT:
      return Failure("disk full while writing: " + target_);
    case EFBIG:
      return Failure("file too large for the disk: " + target_);
    default:
      return Failure(Described("cannot write", target_, error_));
  }
}

Status AtomicFile::Commit(const SaveControl& control) {
  if (fd_ < 0) return Failure("no file open for: " + target_);
  Flush();
  KeepTargetsAttributes();
  if (control.whileWritingBack) control.whileWritingBack();
  // An early flush's failure is told to it alone: it fails the save here.
  if (int flushFailed = StopEarlyFlush(); error_ == 0 && flushFailed != 0) error_ = flushFailed;
  if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
  if (error_ == 0 && control.beforeReplacing) {
    Status agreed = control.beforeReplacing();
    if (!agreed.Ok()) {
      Discard();
      return agreed;
    }
  }
  // The lock outlives the written descriptor until the rename: unlocked, the
  // file would pass for a killed save's leftover to another save of this
  // workbook.
  FileLock lock{::fcntl(fd_, F_DUPFD_CLOEXEC, 0)};
  if (::close(fd_) != 0 && error_ == 0) error_ = errno;
  fd_ = -1;
  if (error_ != 0) {
    Status failure = WriteFailure();
    Discard();
    return failure;
  }
  if (::rename(temp_.c_str(), real_.c_str()) != 0) {
    int error = errno;
    Discard();
    if (error == EISDIR) return Failure("target is a folder: " + target_);
    if (error == EACCES || error == EPERM) return Failure("no permission to replace: " + target_);
    return Failure(Described("cannot replace", target_, error));
  }
  temp_.clear();
  if (!control.folderSyncedByCaller) SyncFolder(folder_);
  return Done();
}

void SyncFoldersOf(const std::vector<std::string>& paths) {
  std::set<std::string> folders;
  for (const std::string& path : paths) {
    std::string real;
    if (FollowLinks(path, real) != 0) real = path;
    std::filesystem::path parent = std::filesystem::path(real).parent_path();
    folders.insert(parent.empty() ? "." : parent.string());
  }
  for (const std::string& folder : folders) SyncFolder(folder);
}

}  // namespace quillon::xls
