// What platform.h offers alike on every system: the answers of the standard
// library's file system, and the words for a file that would not open. The
// system calls themselves are in platform_windows.cpp and platform_posix.cpp,
// each compiled on its own system only.
#include "base/platform.h"

#include <filesystem>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

const char* OpenFailureText(OpenFailure failure) {
  switch (failure) {
    case OpenFailure::kNoSuchFile: return "No such file or directory";
    case OpenFailure::kIsDirectory: return "Is a directory";
    case OpenFailure::kPermissionDenied: return "Permission denied";
    case OpenFailure::kNotAFile: return "Not a regular file";
    default: return "Cannot be read";
  }
}

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
