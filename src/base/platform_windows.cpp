// The Windows calls behind platform.h. Paths are the bytes given on the
// command line, read in the ANSI code page, as the ANSI calls would read them.
#ifdef _WIN32

#include "base/platform.h"
#include "base/platform_budget.h"

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

/// Why CreateFileW could not open `path` for reading, from its last error.
OpenFailure OpenFailureOf(DWORD error, const char* path) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return OpenFailure::kNoSuchFile;
    case ERROR_ACCESS_DENIED: {
      // What a directory gives, opened without FILE_FLAG_BACKUP_SEMANTICS.
      const std::wstring wide = WidePath(path);
      const DWORD attributes = GetFileAttributesW(wide.c_str());
      return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                 ? OpenFailure::kIsDirectory
                 : OpenFailure::kPermissionDenied;
    }
    default:
      return OpenFailure::kOther;
  }
}

}  // namespace

std::unique_ptr<InputFile> Disk::OpenInput(const char* path, InputRule rule, OpenFailure* why) {
  // Opening does not wait on Windows (not even for a pipe or the console), so
  // the rule is checked on the open handle. A directory does not open without
  // FILE_FLAG_BACKUP_SEMANTICS.
  const HANDLE handle =
      OpenPath(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (handle == INVALID_HANDLE_VALUE) {
    if (why) *why = OpenFailureOf(GetLastError(), path);
    return nullptr;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (rule == InputRule::kRegularFile && !IsDiskFile(handle, info)) {
    CloseHandle(handle);
    if (why) *why = OpenFailure::kNotAFile;
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

#endif
