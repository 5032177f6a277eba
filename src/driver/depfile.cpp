// The dependency file. Paths are written absolute: Make and Ninja read them
// against the build folder, while the run took them against its own working
// directory, which a build usually sets to the folder of the .r file.
#include "driver/depfile.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/diagnostics.h"
#include "base/platform.h"

namespace {

const char* const kVariable = "VORLTOOL_DEPFILE";

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
bool IsRunFile(platform::Disk& disk, const std::string& path,
               const std::vector<std::string>& runFiles) {
  return std::any_of(runFiles.begin(), runFiles.end(), [&](const std::string& file) {
    return disk.AreSameFile(path.c_str(), file.c_str());
  });
}

/// Writes `text` as the whole content of the file at `path`, created as the
/// script is (binary, long paths too), on the run's disk.
bool WriteWhole(platform::Disk& disk, const std::string& path, const std::string& text) {
  const std::unique_ptr<platform::OutputFile> file = disk.CreateOutput(path.c_str());
  return file && file->Write(text.data(), text.size()) && file->Close();
}

/// Writes `text` as the whole of a new file at `path`, then renames it to
/// `target`. On any failure the new file is removed again.
bool WriteAndRename(platform::Disk& disk, const std::string& path, const std::string& text,
                    const char* target) {
  if (WriteWhole(disk, path, text) && disk.Rename(path.c_str(), target)) return true;
  disk.Remove(path.c_str());
  return false;
}

}  // namespace

void Dependencies::NoteIncludedFile(const char* path) {
  std::string absolute = disk_.AbsolutePath(path);
  if (std::find(included_.begin(), included_.end(), absolute) == included_.end())
    included_.push_back(std::move(absolute));
}

void Dependencies::WriteDependencyFile(const char* input, const char* output) const {
  const char* target = std::getenv(kVariable);
  if (target == nullptr || *target == '\0') return;

  std::vector<std::string> runFiles = {disk_.AbsolutePath(output), disk_.AbsolutePath(input)};
  runFiles.insert(runFiles.end(), included_.begin(), included_.end());
  // One name a line, each line but the last continued with a backslash.
  std::string rule = EscapeForMake(runFiles[0]) + ":";
  for (std::size_t i = 1; i < runFiles.size(); ++i)
    rule += " \\\n  " + EscapeForMake(runFiles[i]);
  rule += "\n";

  const std::string temporary = std::string(target) + ".tmp";
  // A device or a pipe is written as it stands: renaming over it would put a
  // regular file in its place (a dependency file sent to /dev/null must
  // leave the device a device).
  const bool written = disk_.IsDeviceOrPipe(target)
                           ? WriteWhole(disk_, target, rule)
                           : !IsRunFile(disk_, target, runFiles) &&
                                 !IsRunFile(disk_, temporary, runFiles) &&
                                 WriteAndRename(disk_, temporary, rule, target);
  if (!written) FatalErrorFormatted("Unable to write dependency file %s\n", target);
}
