// The operating system calls behind platform.h: the Windows calls first, then
// the POSIX ones, then those the standard library's file system makes alike
// on both. Paths are the bytes given on the command line; Windows reads
// them in its ANSI code page, as its ANSI calls would.
#include "base/platform.h"

#include <filesystem>
#include <system_error>

namespace platform {

namespace {

/// How many of `size` bytes the disk moves now out of what `budget` leaves;
/// 0 when the disk fails.
std::size_t WithinBudget(std::size_t budget, std::size_t size) {
  return size < budget ? size : budget;
}

/// Takes `moved` bytes off a limited budget (a sound disk's is SIZE_MAX).
void Spend(std::size_t& budget, std::size_t moved) {
  if (budget != SIZE_MAX) budget -= moved;
}

}  // namespace

}  // namespace platform

#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace platform {

namespace {

HANDLE Win(NativeHandle handle) { return reinterpret_cast<HANDLE>(handle); }
NativeHandle Native(HANDLE handle) { return reinterpret_cast<NativeHandle>(handle); }

/// The path as the ANSI calls read it (in the ANSI code page). Those calls
/// refuse paths of MAX_PATH characters and more, which deep build folders
/// reach: a path that long is made absolute and given the `\\?\` prefix,
/// which lifts the limit. Empty when the bytes do not convert.
std::wstring WidePath(const char* path) {
  const int size = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), size);
  wide.resize(static_cast<std::size_t>(size) - 1);
  if (wide.size() < MAX_PATH || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  const DWORD room = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (room == 0) return wide;
  std::wstring full(room, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), room, full.data(), nullptr);
  if (length == 0 || length >= room) return wide;
  full.resize(length);
  if (full.rfind(L"\\\\", 0) == 0) {
    // A device (\\.\) stays as it is; a share (\\server\share) takes the UNC form.
    return full.rfind(L"\\\\.\\", 0) == 0 ? full : L"\\\\?\\UNC\\" + full.substr(2);
  }
  return L"\\\\?\\" + full;
}

/// ReadFile within what the disk's `budget` still gives.
bool ReadFromDisk(HANDLE handle, void* buffer, DWORD size, DWORD& read, std::size_t& budget) {
  read = 0;
  size = static_cast<DWORD>(WithinBudget(budget, size));
  if (size == 0) {
    SetLastError(ERROR_READ_FAULT);
    return false;
  }
  if (!ReadFile(handle, buffer, size, &read, nullptr)) return false;
  Spend(budget, read);
  return true;
}

/// WriteFile within what the disk's `budget` still takes.
bool WriteToDisk(HANDLE handle, const void* bytes, DWORD size, DWORD& written,
                 std::size_t& budget) {
  written = 0;
  size = static_cast<DWORD>(WithinBudget(budget, size));
  if (size == 0) {
    SetLastError(ERROR_DISK_FULL);
    return false;
  }
  if (!WriteFile(handle, bytes, size, &written, nullptr)) return false;
  Spend(budget, written);
  return true;
}

/// CreateFileW of the path as WidePath reads it.
HANDLE OpenPath(const char* path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
  const std::wstring wide = WidePath(path);
  if (wide.empty()) {
    SetLastError(ERROR_INVALID_NAME);
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileW(wide.c_str(), access, share, nullptr, disposition, flags, nullptr);
}

/// Whatever the path names, opened only to ask about it (no reading or
/// writing). A directory opens too; a link is followed unless `linkItself`.
/// INVALID_HANDLE_VALUE when it cannot be opened.
HANDLE OpenToQuery(const char* path, bool linkItself) {
  const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (linkItself ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
  return OpenPath(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                  flags);
}

/// A file on a disk (not a device, console or pipe) that is not a directory,
/// with its identity. Links followed: the attributes are those of the target
/// unless the handle was opened on the link itself.
bool IsDiskFile(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info) {
  return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
         (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace

std::unique_ptr<InputFile> Disk::OpenInput(const char* path, InputRule rule) {
  // Opening does not wait on Windows (not even for a pipe or the console), so
  // the rule is checked on the open handle. A directory does not open without
  // FILE_FLAG_BACKUP_SEMANTICS.
  const HANDLE handle =
      OpenPath(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  BY_HANDLE_FILE_INFORMATION info;
  if (rule == InputRule::kRegularFile && !IsDiskFile(handle, info)) {
    CloseHandle(handle);
    return nullptr;
  }
  return std::unique_ptr<InputFile>(new InputFile(Native(handle), *this));
}

InputFile::~InputFile() { CloseHandle(Win(handle_)); }

bool InputFile::Fill() {
  if (ended_) return false;
  DWORD n = 0;
  // A pipe whose writer has gone reports an error: that too is the end.
  if (!ReadFromDisk(Win(handle_), buffer_.get(), static_cast<DWORD>(kBufferSize), n,
                    disk_.readableBytes_) ||
      n == 0) {
    ended_ = true;
    return false;
  }
  next_ = 0;
  end_ = n;
  return true;
}

bool InputFile::IsSameFileAs(const char* path) const {
  // The volume and the file's index on it name one file however the path is
  // spelt: other case, `.\` or `..` steps, short names, hard links, links.
  BY_HANDLE_FILE_INFORMATION self, other;
  if (!IsDiskFile(Win(handle_), self)) return false;
  const HANDLE handle = OpenToQuery(path, false);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool same = IsDiskFile(handle, other) &&
                    other.dwVolumeSerialNumber == self.dwVolumeSerialNumber &&
                    other.nFileIndexHigh == self.nFileIndexHigh &&
                    other.nFileIndexLow == self.nFileIndexLow;
  CloseHandle(handle);
  return same;
}

std::unique_ptr<OutputFile> Disk::CreateOutput(const char* path) {
  const HANDLE handle =
      OpenPath(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::unique_ptr<OutputFile>(new OutputFile(Native(handle), *this));
}

OutputFile::~OutputFile() {
  if (open_) CloseHandle(Win(handle_));
}

bool OutputFile::Write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const DWORD piece = size < (1u << 30) ? static_cast<DWORD>(size) : (1u << 30);
    DWORD n = 0;
    if (!WriteToDisk(Win(handle_), bytes, piece, n, disk_.writableBytes_) || n == 0) return false;
    bytes += n;
    size -= n;
  }
  return true;
}

bool OutputFile::Close() {
  if (!open_) return true;
  open_ = false;
  return CloseHandle(Win(handle_)) != 0 && !disk_.failClose_;
}

bool Disk::IsRegularFileItself(const char* path) const {
  // Asked of the open path, not of its name: a device such as NUL or CON is
  // reachable under any folder and may claim ordinary attributes by name.
  const HANDLE handle = OpenToQuery(path, true);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  const bool regular =
      IsDiskFile(handle, info) && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
  CloseHandle(handle);
  return regular;
}

bool Disk::Remove(const char* path) {
  const std::wstring wide = WidePath(path);
  return !wide.empty() && DeleteFileW(wide.c_str()) != 0;
}

void UseBinaryStandardStreams() {
  std::fflush(stdout);
  std::fflush(stderr);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace platform

#else  // POSIX

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

}  // namespace

std::unique_ptr<InputFile> Disk::OpenInput(const char* path, InputRule rule) {
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

// Both systems: what the standard library's file system answers alike.

namespace platform {

namespace fs = std::filesystem;

bool Disk::Rename(const char* from, const char* to) {
  if (failRename_) return false;
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
}

bool Disk::IsDeviceOrPipe(const char* path) const {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  return !error && fs::exists(status) && !fs::is_regular_file(status) &&
         !fs::is_directory(status);
}

bool Disk::AreSameFile(const char* path, const char* other) const {
  std::error_code error;
  return fs::equivalent(path, other, error);
}

std::string Disk::AbsolutePath(const char* path) const {
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::path(path), error);
  if (error) return path;
  fs::path cleaned;
  for (const fs::path& element : absolute)
    if (element != ".") cleaned /= element;
  // Forward slashes on every system: Make and Ninja read them on Windows too,
  // and a backslash there could be taken for an escape.
  return cleaned.generic_string();
}

}  // namespace platform
