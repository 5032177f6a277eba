// The dependency file where a golden case cannot show it: written on the
// run's disk, and into a pipe that must stay a pipe.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <thread>

#include "base/platform.h"
#include "driver/run.h"
#include "source_text.h"

namespace {

/// A path in the temporary folder, kept apart from other test processes.
std::string TempPath(const char* name) {
  return testing::TempDir() + "depfile_" + ProcessTag() + "_" + name;
}

/// Names the dependency file for the runs that follow; null unsets it.
void SetDependencyFile(const char* path) {
#ifdef _WIN32
  _putenv_s("VORLTOOL_DEPFILE", path != nullptr ? path : "");
#else
  if (path != nullptr) setenv("VORLTOOL_DEPFILE", path, 1);
  else unsetenv("VORLTOOL_DEPFILE");
#endif
}

/// An input with one property list, its path.
std::string WriteInput(const char* name) {
  const std::string input = TempPath(name);
  std::ofstream(input, std::ios::binary) << "resource 'Vorl' (1) { { } };\n";
  return input;
}

// The dependency file goes to the same disk as the script. When that disk
// fails it once the script is written, full or refusing to rename the
// temporary file over the target, the run fails with the dependency file's
// message, and neither the script nor any part of the dependency file stays.
TEST(DependencyFile, ADiskThatFailsAfterTheScriptFailsTheRunAndLeavesNothing) {
  const std::string input = WriteInput("full.r");
  const std::string output = TempPath("full.rc");
  const std::string deps = TempPath("full.d");
  std::filesystem::remove(deps);
  ::Run sound(input);
  const Conversion whole = ConvertWith(sound, output);
  ASSERT_EQ(whole.status, 0) << whole.err;

  using platform::DiskForTesting;
  const struct {
    const char* what;
    std::function<void(platform::Disk&)> fail;
  } faults[] = {
      {"full", [&](platform::Disk& disk) { DiskForTesting::FailWritesAfter(disk, whole.script.size()); }},
      {"refusing the rename", [](platform::Disk& disk) { DiskForTesting::FailRenames(disk); }},
  };
  for (const auto& fault : faults) {
    SetDependencyFile(deps.c_str());
    ::Run run(input);
    fault.fail(RunForTesting::disk(run));
    const Conversion failed = ConvertWith(run, output);
    SetDependencyFile(nullptr);
    EXPECT_EQ(failed.status, 1) << fault.what;
    EXPECT_EQ(failed.err, "Unable to write dependency file " + deps + "\n, line 1\n") << fault.what;
    EXPECT_FALSE(failed.outputExists) << fault.what;
    EXPECT_FALSE(std::filesystem::exists(deps)) << fault.what;
    EXPECT_FALSE(std::filesystem::exists(deps + ".tmp")) << fault.what;
  }
}

#ifndef _WIN32
// A dependency file sent to a pipe (or a device such as /dev/null) is written
// into it: renaming a file over it would put a regular file in its place.
TEST(DependencyFile, IsWrittenIntoAPipeThatStaysAPipe) {
  const std::string fifo = TempPath("deps.d");
  std::filesystem::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadFile(fifo); });
  SetDependencyFile(fifo.c_str());
  ::Run run(WriteInput("deps.r"));
  const Conversion converted = ConvertWith(run, TempPath("deps.rc"));
  SetDependencyFile(nullptr);
  // Should the run have ended before opening the pipe, release the reader.
  const int release = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  if (release >= 0) close(release);
  reader.join();
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  std::filesystem::remove(fifo);
  EXPECT_EQ(converted.status, 0) << converted.err;
  EXPECT_NE(received.find("deps.rc: \\\n"), std::string::npos) << received;
}
#endif

}  // namespace
