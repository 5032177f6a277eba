// The dependency file. Paths are written absolute: Make and Ninja read them
// against the build folder, while the run took them against its own working
// directory, which a build usually sets to the folder of the .r file.
#include "driver/depfile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "base/diagnostics.h"
#include "base/platform.h"

namespace fs = std::filesystem;

namespace {

const char* const kVariable = "VORLTOOL_DEPFILE";

/// The path made absolute against the working directory, without "."
/// elements. ".." stays: through a symbolic link it leads elsewhere than
/// dropping the element before it would.
std::string AbsolutePath(const char* path) {
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

/// A path as one name of a Make rule, in the form that Make, Ninja and CMake
/// all read back: a blank would end the name and '#' begin a comment, so both
/// take a backslash; '$' is doubled, or Make would expand it.
std::string EscapeForMake(const std::string& path) {
  std::string out;
  for (const char c : path) {
    if (c == ' ' || c == '#') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

/// Whether `path` is a file the run read or wrote: the dependency file must
/// never replace one of them.
bool IsRunFile(const std::string& path, const std::vector<std::string>& runFiles) {
  std::error_code error;
  return std::any_of(runFiles.begin(), runFiles.end(), [&](const std::string& file) {
    return fs::equivalent(path, file, error);
  });
}

/// Writes `text` as the whole content of the file at `path`, created as the
/// script is (binary, long paths too), on the run's disk.
bool WriteWhole(const std::string& path, const std::string& text, platform::DiskFaults* faults) {
  const std::unique_ptr<platform::OutputFile> file =
      platform::OutputFile::Create(path.c_str(), faults);
  return file && file->Write(text.data(), text.size()) && file->Close();
}

/// Writes `text` as the whole of a new file at `path`, then renames it to
/// `target`. On any failure the new file is removed again.
bool WriteAndRename(const std::string& path, const std::string& text, const char* target,
                    platform::DiskFaults* faults) {
  const bool written = WriteWhole(path, text, faults);
  std::error_code error;
  if (written) fs::rename(path, target, error);
  if (written && !error) return true;
  fs::remove(path, error);
  return false;
}

/// Whether `path` names a device or a pipe: such a file is written as it
/// stands, since renaming over it would put a regular file in its place (a
/// dependency file sent to /dev/null must leave the device a device).
bool IsDeviceOrPipe(const char* path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  return !error && fs::exists(status) && !fs::is_regular_file(status) &&
         !fs::is_directory(status);
}

}  // namespace

void Dependencies::NoteIncludedFile(const char* path) {
  std::string absolute = AbsolutePath(path);
  if (std::find(included_.begin(), included_.end(), absolute) == included_.end())
    included_.push_back(std::move(absolute));
}

void Dependencies::WriteDependencyFile(const char* input, const char* output,
                                       platform::DiskFaults* faults) const {
  const char* target = std::getenv(kVariable);
  if (target == nullptr || *target == '\0') return;

  std::vector<std::string> runFiles = {AbsolutePath(output), AbsolutePath(input)};
  runFiles.insert(runFiles.end(), included_.begin(), included_.end());
  // One name a line, each line but the last continued with a backslash.
  std::string rule = EscapeForMake(runFiles[0]) + ":";
  for (std::size_t i = 1; i < runFiles.size(); ++i)
    rule += " \\\n  " + EscapeForMake(runFiles[i]);
  rule += "\n";

  const std::string temporary = std::string(target) + ".tmp";
  const bool written = IsDeviceOrPipe(target)
                           ? WriteWhole(target, rule, faults)
                           : !IsRunFile(target, runFiles) && !IsRunFile(temporary, runFiles) &&
                                 WriteAndRename(temporary, rule, target, faults);
  if (!written) FatalErrorFormatted("Unable to write dependency file %s\n", target);
}
