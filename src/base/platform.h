// Every call VorlTool makes to the operating system, in one place: opening
// and reading input files, creating and writing the resource script and the
// dependency file, renaming and removing files, and what a path names.
// Everything else in the program is standard C++ only. For tests, the disk
// it reads and writes can be made to fail on demand.
//
// Files are always binary: the bytes read are the bytes in the file, and the
// bytes written are the bytes of the script, so the output is the same on
// every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace platform {

/// A handle of the operating system (a descriptor, or a Windows HANDLE).
using NativeHandle = std::intptr_t;

/// Which paths an input may name.
enum class InputRule {
  kNotDirectory,  ///< the main input: whatever opens for reading, but a directory
  kRegularFile,   ///< an included file: a regular file only (a pipe could block the run)
};

/// Why a path would not open for reading. The words for it are fixed
/// (OpenFailureText), so that a message reads the same on every system.
enum class OpenFailure {
  kNone,
  kNoSuchFile,        ///< nothing at the path, or a folder on the way missing
  kIsDirectory,
  kPermissionDenied,
  kNotAFile,          ///< a device or a pipe where a regular file must be
  kOther,
};

/// "No such file or directory", "Is a directory", "Permission denied",
/// "Not a regular file", or "Cannot be read" for any other reason.
const char* OpenFailureText(OpenFailure failure);

class InputFile;
class OutputFile;

/// The disk a run reads its files from and writes its files to: every
/// opening, creation, renaming and removal, and every question about a path,
/// goes through it. The run owns one and hands it down. A disk is sound; a
/// test can make one fail on demand (DiskForTesting, in the tests), so that
/// every error path of reading and writing is reached, and the files of a run
/// share its budgets.
class Disk {
 public:
  Disk() = default;
  Disk(const Disk&) = delete;
  Disk& operator=(const Disk&) = delete;

  /// Null when the path cannot be opened for reading or breaks the rule;
  /// then `why`, where given, says why.
  std::unique_ptr<InputFile> OpenInput(const char* path, InputRule rule,
                                       OpenFailure* why = nullptr);
  /// A file created for writing (existing content discarded); null when it
  /// cannot be created.
  std::unique_ptr<OutputFile> CreateOutput(const char* path);
  /// Renames `from` to `to`, replacing what `to` names; false when it fails.
  bool Rename(const char* from, const char* to);
  /// Removes the file at `path`; false when it cannot be removed.
  bool Remove(const char* path);

  /// Whether the path itself names a regular file: not a directory, a
  /// device, a pipe, nor a link (whatever it points to).
  bool IsRegularFileItself(const char* path) const;
  /// Whether the path names something that is neither a regular file nor a
  /// directory: a device or a pipe (a link followed).
  bool IsDeviceOrPipe(const char* path) const;
  /// Whether the two paths name one file, through whatever spelling or link.
  bool AreSameFile(const char* path, const char* other) const;
  /// The path made absolute against the working directory, in forward
  /// slashes, without "." elements (".." stays: through a symbolic link it
  /// leads elsewhere than dropping the element before it would). The path
  /// as given when the working directory cannot be had.
  std::string AbsolutePath(const char* path) const;

 private:
  friend class InputFile;
  friend class OutputFile;
  friend class DiskForTesting;  // tests/unit: a disk that fails on demand

  static constexpr std::size_t kUnlimited = SIZE_MAX;
  /// Bytes that output files still take: a write that reaches past them puts
  /// what fits and then fails, as on a full disk.
  std::size_t writableBytes_ = kUnlimited;
  /// Bytes that input files still give: a read past them fails, as on a
  /// damaged disk.
  std::size_t readableBytes_ = kUnlimited;
  /// Whether closing an output file fails, as where a lost write is reported
  /// only when the file is closed.
  bool failClose_ = false;
  /// Whether renaming fails.
  bool failRename_ = false;
};

/// A file opened for reading, read in large pieces and handed out as runs of
/// the bytes read, without any locking.
class InputFile {
 public:
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  /// The bytes read and not yet taken, reading the next piece when none are
  /// left; empty at the end of the file. A read error counts as the end of
  /// the file. The bytes stay valid until the next call.
  std::span<const unsigned char> Available() {
    if (next_ == end_ && !Fill()) return {};
    return {buffer_.get() + next_, end_ - next_};
  }
  /// Takes the first `count` bytes of Available (at most all of them).
  void Take(std::size_t count) { next_ += count; }

  /// Whether `path` names this very file, through whatever spelling or link.
  bool IsSameFileAs(const char* path) const;

 private:
  friend class Disk;
  InputFile(NativeHandle handle, Disk& disk) : handle_(handle), disk_(disk) {}
  /// Reads the next piece; false at the end of the file or on an error.
  bool Fill();

  static constexpr std::size_t kBufferSize = 1 << 16;
  NativeHandle handle_;
  Disk& disk_;
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
  std::unique_ptr<unsigned char[]> buffer_{new unsigned char[kBufferSize]};
};

/// A file created for writing. Writes go straight to the system, so an error
/// is seen by the write that causes it.
class OutputFile {
 public:
  /// Closes the file if Close was not called; errors are then ignored.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  /// Writes all `size` bytes; false on an error.
  bool Write(const void* data, std::size_t size);
  /// Closes the file; false when the system reports an error.
  bool Close();

 private:
  friend class Disk;
  OutputFile(NativeHandle handle, Disk& disk) : handle_(handle), disk_(disk) {}
  NativeHandle handle_;
  Disk& disk_;
  bool open_ = true;
};

/// Whether `c` separates the folders of a path on this system.
constexpr bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\';
#else
  return c == '/';
#endif
}

/// Whether `path` names its file from the root (or, on Windows, from a
/// drive), not from the working folder.
constexpr bool IsAbsolutePath(const char* path) {
#ifdef _WIN32
  if (path[0] != '\0' && path[1] == ':') return true;
#endif
  return IsPathSeparator(path[0]);
}

/// Makes standard output and standard error write their bytes unchanged (no
/// line-end translation), so messages read the same on every platform.
void UseBinaryStandardStreams();

}  // namespace platform
