// The dependency file: which files a run read, for the build that runs it.
//
// When VORLTOOL_DEPFILE names a path, a successful run also writes there one
// Make-style rule, "<output>: <input> <included files>", so that Make and
// Ninja run VorlTool again when the input or any header it read changes.
#pragma once

#include <string>
#include <vector>

#include "base/platform.h"

/// The files one run read besides its input.
class Dependencies {
 public:
  /// Files are asked about and written on `disk`, the run's.
  explicit Dependencies(platform::Disk& disk) : disk_(disk) {}

  /// Remembers a file that an #include opened (the path as the directive gave
  /// it; it is made absolute against the working directory now).
  void NoteIncludedFile(const char* path);

  /// At the end of a successful run: when VORLTOOL_DEPFILE is set and not
  /// empty, writes the rule there through a temporary file beside it that is
  /// renamed over it, so a reader never sees part of a file (a device or a
  /// pipe is written as it stands). Any failure fails the run with
  /// "Unable to write dependency file %s\n"; the temporary file is removed.
  void WriteDependencyFile(const char* input, const char* output) const;

 private:
  /// Absolute paths of the included files that were opened, each once, in
  /// the order they were first opened.
  std::vector<std::string> included_;
  platform::Disk& disk_;
};
