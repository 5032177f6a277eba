// The operating system calls behind platform.h.
#include "base/platform.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

int Descriptor(NativeHandle handle) { return static_cast<int>(handle); }

}  // namespace

std::unique_ptr<InputFile> InputFile::Open(const char* path, InputRule rule) {
  struct stat info;
  // A pipe is refused before it is opened: opening it would wait for a writer.
  if (rule == InputRule::kRegularFile && (stat(path, &info) != 0 || !S_ISREG(info.st_mode)))
    return nullptr;
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  const bool allowed = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode) &&
                       (rule != InputRule::kRegularFile || S_ISREG(info.st_mode));
  if (!allowed) {
    close(fd);
    return nullptr;
  }
  return std::unique_ptr<InputFile>(new InputFile(fd));
}

InputFile::~InputFile() { close(Descriptor(handle_)); }

bool InputFile::Fill() {
  if (ended_) return false;
  for (;;) {
    const ssize_t n = read(Descriptor(handle_), buffer_.get(), kBufferSize);
    if (n < 0 && errno == EINTR) continue;
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

std::unique_ptr<OutputFile> OutputFile::Create(const char* path) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  return std::unique_ptr<OutputFile>(new OutputFile(fd));
}

OutputFile::~OutputFile() {
  if (open_) close(Descriptor(handle_));
}

bool OutputFile::Write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const ssize_t n = write(Descriptor(handle_), bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool OutputFile::Close() {
  if (!open_) return true;
  open_ = false;
  return close(Descriptor(handle_)) == 0;
}

bool IsRegularFileItself(const char* path) {
  struct stat info;
  return lstat(path, &info) == 0 && S_ISREG(info.st_mode);
}

bool RemoveFile(const char* path) { return unlink(path) == 0; }

void UseBinaryStandardStreams() {}

}  // namespace platform
