// The POSIX calls behind platform.h.
#ifndef _WIN32

#include "base/platform.h"
#include "base/platform_budget.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

int Descriptor(NativeHandle handle) { return static_cast<int>(handle); }

/// read(2) within what the disk's `budget` still gives.
ssize_t ReadFromDisk(int fd, void* buffer, std::size_t size, std::size_t& budget) {
  size = WithinBudget(budget, size);
  if (size == 0) {
    errno = EIO;
    return -1;
  }
  const ssize_t n = read(fd, buffer, size);
  if (n > 0) Spend(budget, static_cast<std::size_t>(n));
  return n;
}

/// write(2) within what the disk's `budget` still takes.
ssize_t WriteToDisk(int fd, const void* bytes, std::size_t size, std::size_t& budget) {
  size = WithinBudget(budget, size);
  if (size == 0) {
    errno = ENOSPC;
    return -1;
  }
  const ssize_t n = write(fd, bytes, size);
  if (n > 0) Spend(budget, static_cast<std::size_t>(n));
  return n;
}

/// Why stat(2) or open(2) failed, from errno.
OpenFailure OpenFailureOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return OpenFailure::kNoSuchFile;
    case EACCES:
    case EPERM:
      return OpenFailure::kPermissionDenied;
    default:
      return OpenFailure::kOther;
  }
}

/// Why a path that opened, or was found, is not one the rule allows; kNone
/// when it is.
OpenFailure RuleBroken(const struct stat& info, InputRule rule) {
  if (S_ISDIR(info.st_mode)) return OpenFailure::kIsDirectory;
  if (rule == InputRule::kRegularFile && !S_ISREG(info.st_mode)) return OpenFailure::kNotAFile;
  return OpenFailure::kNone;
}

}  // namespace

std::unique_ptr<InputFile> Disk::OpenInput(const char* path, InputRule rule, OpenFailure* why) {
  OpenFailure failure = OpenFailure::kNone;
  struct stat info;
  // A pipe is refused before it is opened: opening it would wait for a writer.
  if (rule == InputRule::kRegularFile)
    failure = stat(path, &info) != 0 ? OpenFailureOf(errno) : RuleBroken(info, rule);
  int fd = -1;
  if (failure == OpenFailure::kNone) {
    fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) failure = OpenFailureOf(errno);
  }
  if (failure == OpenFailure::kNone)
    failure = fstat(fd, &info) != 0 ? OpenFailure::kOther : RuleBroken(info, rule);
  if (failure != OpenFailure::kNone) {
    if (fd >= 0) close(fd);
    if (why) *why = failure;
    return nullptr;
  }
  return std::unique_ptr<InputFile>(new InputFile(fd, *this));
}

InputFile::~InputFile() { close(Descriptor(handle_)); }

bool InputFile::Fill() {
  if (ended_) return false;
  for (;;) {
    const ssize_t n =
        ReadFromDisk(Descriptor(handle_), buffer_.get(), kBufferSize, disk_.readableBytes_);
    if (n < 0 && errno == EINTR) continue;  // GCOVR_EXCL_BR_LINE: a signal mid-call, which no test can time
    if (n <= 0) {
      ended_ = true;
      return false;
    }
    next_ = 0;
    end_ = static_cast<std::size_t>(n);
    return true;
  }
}

bool InputFile::IsSameFileAs(const char* path) const {
  struct stat other, self;
  if (stat(path, &other) != 0 || fstat(Descriptor(handle_), &self) != 0) return false;
  return other.st_dev == self.st_dev && other.st_ino == self.st_ino;
}

std::unique_ptr<OutputFile> Disk::CreateOutput(const char* path) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  return std::unique_ptr<OutputFile>(new OutputFile(fd, *this));
}

OutputFile::~OutputFile() {
  if (open_) close(Descriptor(handle_));
}

bool OutputFile::Write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const ssize_t n = WriteToDisk(Descriptor(handle_), bytes, size, disk_.writableBytes_);
    if (n < 0 && errno == EINTR) continue;  // GCOVR_EXCL_BR_LINE: a signal mid-call, which no test can time
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool OutputFile::Close() {
  if (!open_) return true;
  open_ = false;
  return close(Descriptor(handle_)) == 0 && !disk_.failClose_;
}

bool Disk::IsRegularFileItself(const char* path) const {
  struct stat info;
  return lstat(path, &info) == 0 && S_ISREG(info.st_mode);
}

bool Disk::Remove(const char* path) { return unlink(path) == 0; }

void UseBinaryStandardStreams() {}

}  // namespace platform

#endif
