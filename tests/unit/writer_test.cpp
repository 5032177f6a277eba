// The writer's placeholders and its refusal to lose a write.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "base/platform.h"
#include "driver/diagnostics.h"
#include "driver/run.h"
#include "driver/writer.h"
#include "source_text.h"

namespace {

constexpr const char* kPrelude =
    "#define RSCL32(a,b,c,d)\t\t0x ## c ## d, 0x ## a ## b\n#define RSCS32(a)\t\ta, 0x0\n\n";

TEST(Writer, PreludeThenPatchedPlaceholdersKeepTheirWidth) {
  ResetRunState();
  const std::string path = WriteSourceFile("patch.rc", "");
  OutStream* out = OpenOutput(path.c_str());
  WriteFormatted(out, "RSCS32(");
  const Placeholder outer = WritePlaceholder(out, "%3d", 0);
  WriteFormatted(out, ")\n");
  const Placeholder inner = WritePlaceholder(out, "%4ld", 0);
  // Enough text after the placeholders to pass the flush threshold.
  for (int i = 0; i < 20000; ++i) WriteFormatted(out, "%d,", i % 10);
  PatchPlaceholder(out, inner, "%4ld", 1234);
  PatchPlaceholder(out, outer, "%3d", 42);
  FinishOutput();
  const std::string text = ReadFile(path);
  ASSERT_EQ(text.substr(0, std::string(kPrelude).size()), kPrelude);
  EXPECT_EQ(text.substr(std::string(kPrelude).size(), 16), "RSCS32( 42)\n1234");
  EXPECT_EQ(text.size(), std::string(kPrelude).size() + 16 + 40000);
  ResetRunState();
  std::remove(path.c_str());
}

TEST(Writer, WriteToFullDeviceIsAFailure) {
  // Windows has no such device (wine reaches the POSIX one through its Z: drive).
  if (!platform::OutputFile::Create("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  ResetRunState();
  OutStream* out = OpenOutput("/dev/full");
  WriteFormatted(out, "x");
  EXPECT_THROW(FinishOutput(), FatalExit);
  ResetRunState();
}

}  // namespace
