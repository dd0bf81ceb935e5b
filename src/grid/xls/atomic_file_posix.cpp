#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "grid/xls/atomic_file.h"

namespace quillon::xls {
namespace {

constexpr size_t kBufferBytes = 1 << 20;

ExportResult Failure(std::string reason) { return {false, std::move(reason)}; }

std::string Described(const std::string& what, const std::string& path, int error) {
  return what + ": " + path + " (" + std::strerror(error) + ")";
}

// Why nothing could be created in the folder.
ExportResult FolderFailure(int error, const std::string& folder) {
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

std::string TempName(const std::filesystem::path& target) {
  static std::random_device random;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(random()));
  auto name = "." + target.filename().string() + "." + hex + ".tmp";
  return (target.parent_path().empty() ? std::filesystem::path(name) : target.parent_path() / name)
      .string();
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
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

ExportResult AtomicFile::Open(const std::string& target) {
  std::filesystem::path path(target);
  target_ = target;
  if (target.empty() || !path.has_filename()) return Failure("target is a folder: " + target);
  folder_ = path.parent_path().empty() ? "." : path.parent_path().string();

  struct stat info;
  if (::stat(target.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return Failure("target is a folder: " + target);
    // Renaming over a device or pipe would replace it by a plain file.
    if (!S_ISREG(info.st_mode)) return Failure("target is not a plain file: " + target);
    // A read-only workbook is one the user keeps from being overwritten.
    if (::access(target.c_str(), W_OK) != 0) return Failure("no permission to replace: " + target);
  }
  if (::stat(folder_.c_str(), &info) != 0) return FolderFailure(errno, folder_);
  if (!S_ISDIR(info.st_mode)) return Failure("not a folder: " + folder_);

  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = TempName(path);
    fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temp_ = temp;
      buffer_.reserve(kBufferBytes);
      return {true, {}};
    }
    if (errno != EEXIST) return FolderFailure(errno, folder_);
  }
  return Failure("cannot make a temporary file in folder: " + folder_);
}

void AtomicFile::Write(std::string_view bytes) {
  if (error_ != 0) return;
  size_ += bytes.size();
  if (buffer_.size() + bytes.size() > kBufferBytes) Flush();
  if (bytes.size() >= kBufferBytes) {
    if (error_ == 0 && !WriteAll(fd_, bytes.data(), bytes.size(), -1)) error_ = errno;
  } else {
    buffer_.append(bytes);
  }
}

void AtomicFile::Flush() {
  if (error_ == 0 && !buffer_.empty() && !WriteAll(fd_, buffer_.data(), buffer_.size(), -1))
    error_ = errno;
  buffer_.clear();
}

void AtomicFile::Overwrite(uint64_t offset, std::string_view bytes) {
  Flush();
  if (error_ == 0 && !WriteAll(fd_, bytes.data(), bytes.size(), static_cast<int64_t>(offset)))
    error_ = errno;
}

ExportResult AtomicFile::WriteFailure() const {
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

ExportResult AtomicFile::Commit() {
  if (fd_ < 0) return Failure("no file open for: " + target_);
  Flush();
  if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
  if (::close(fd_) != 0 && error_ == 0) error_ = errno;
  fd_ = -1;
  if (error_ != 0) {
    ExportResult failure = WriteFailure();
    Discard();
    return failure;
  }
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    int error = errno;
    Discard();
    if (error == EISDIR) return Failure("target is a folder: " + target_);
    if (error == EACCES || error == EPERM) return Failure("no permission to replace: " + target_);
    return Failure(Described("cannot replace", target_, error));
  }
  temp_.clear();
  // The new name lasts a power cut only once the folder is on the disk too.
  int folder = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return {true, {}};
}

}  // namespace quillon::xls
