// The writer's placeholders and its refusal to lose a write.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "base/diagnostics.h"
#include "base/platform.h"
#include "base/writer.h"
#include "source_text.h"

namespace {


TEST(Writer, PreludeThenPatchedPlaceholdersKeepTheirWidth) {
  const std::string path = WriteSourceFile("patch.rc", "");
  platform::Disk disk;
  ScriptWriter out(disk);
  ASSERT_TRUE(out.OpenOutput(path.c_str()));
  out.WriteFormatted("RSCS32(");
  const Placeholder outer = out.WritePlaceholder("%3ld", 0);
  out.WriteFormatted(")\n");
  const Placeholder inner = out.WritePlaceholder("%4ld", 0);
  // Enough text after the placeholders to pass the flush threshold, and to
  // make the buffer grow while they are open.
  for (int i = 0; i < 100000; ++i) out.WriteFormatted("%d,", i % 10);
  out.PatchPlaceholder(inner, "%4ld", 1234);
  out.PatchPlaceholder(outer, "%3ld", 42);
  out.Finish();
  const std::string text = ReadFile(path);
  ASSERT_EQ(text.substr(0, kPrelude.size()), kPrelude);
  EXPECT_EQ(text.substr(kPrelude.size(), 16), "RSCS32( 42)\n1234");
  EXPECT_EQ(text.size(), kPrelude.size() + 16 + 200000);
}

TEST(Writer, PlaceholderThatReachesTheFlushThresholdStaysInMemory) {
  const std::string path = WriteSourceFile("threshold.rc", "");
  platform::Disk disk;
  ScriptWriter out(disk);
  ASSERT_TRUE(out.OpenOutput(path.c_str()));
  // The placeholder's own text takes the buffer past 64 KiB.
  const std::string filler((1 << 16) - 1 - kPrelude.size(), '.');
  out.WriteFormatted("%s", filler.c_str());
  const Placeholder count = out.WritePlaceholder("%3ld", 0);
  out.PatchPlaceholder(count, "%3ld", 7);
  out.Finish();
  EXPECT_EQ(ReadFile(path).substr((1 << 16) - 1), "  7");
}

/// What printf writes: the format is taken as printf takes any, so an int
/// goes to %hd and %hx as the writer's callers give it, cut by printf.
std::string Printf(const char* format, ...) {
  char text[128];
  va_list values;
  va_start(values, format);
  const int length = std::vsnprintf(text, sizeof text, format, values);
  va_end(values);
  return std::string(text, static_cast<std::size_t>(length));
}

// Writes `format` with the values through the writer, and adds what printf
// writes to the expected text. A macro: the writer reads a format when the
// program is compiled, so it must stand as a literal at the call.
#define WRITE_AS_PRINTF(format, ...)         \
  do {                                       \
    out.WriteFormatted(format, __VA_ARGS__); \
    expected += Printf(format, __VA_ARGS__); \
  } while (false)

TEST(Writer, ConversionsAreLaidOutAsPrintfDoes) {
  // The writer lays numbers out itself; every form the script uses must come
  // out as the C library writes it.
  const std::string path = WriteSourceFile("conversions.rc", "");
  platform::Disk disk;
  ScriptWriter out(disk);
  ASSERT_TRUE(out.OpenOutput(path.c_str()));
  std::string expected(kPrelude);
  for (const int value : {0, 7, -7, 255, 4096, -32768, 65535, INT_MAX, INT_MIN}) {
    WRITE_AS_PRINTF("%d|", value);
    WRITE_AS_PRINTF("%4d|", value);
    WRITE_AS_PRINTF("%04d|", value);
    WRITE_AS_PRINTF("%hd|", value);
    WRITE_AS_PRINTF("%02X|", value);
    WRITE_AS_PRINTF("%x|", value);
    WRITE_AS_PRINTF("%04hx|", value);
    WRITE_AS_PRINTF("%c|", value);
  }
  for (const long value : {0L, 42L, -42L, 999L, 12345L, LONG_MAX, LONG_MIN}) {
    WRITE_AS_PRINTF("\t%ldL, \n", value);
    WRITE_AS_PRINTF("%3ld", value);
    WRITE_AS_PRINTF("%4ld", value);
    WRITE_AS_PRINTF("%lX", value);
  }
  WRITE_AS_PRINTF("%s|%5s|%3c|%d  %s  DISCARDABLE\n", "Vorl", "ab", 'x', 16000, "TzAv");
  // Fills longer than the short one the writer lays out in one move.
  WRITE_AS_PRINTF("%12d|%012X|%10s|%9c|\n", -42, 255u, "ab", 'x');
  WRITE_AS_PRINTF("%12ld|%012hx|\n", -42L, 0x12345);
  // An empty format writes nothing.
  out.WriteFormatted("");
  out.Finish();
  EXPECT_EQ(ReadFile(path), expected);
}

TEST(Writer, LongTextArrivesWholeAndAWideValueNeverWidensItsPlaceholder) {
  const std::string path = WriteSourceFile("long.rc", "");
  const std::string longText(2000, 'w');
  platform::Disk disk;
  ScriptWriter out(disk);
  ASSERT_TRUE(out.OpenOutput(path.c_str()));
  const Placeholder count = out.WritePlaceholder("%3ld", 0);
  out.WriteFormatted("[%s]", longText.c_str());
  out.PatchPlaceholder(count, "%3ld", 12345);
  out.Finish();
  EXPECT_EQ(ReadFile(path), std::string(kPrelude) + "123[" + longText + "]");
}

TEST(Writer, WriteToFullDeviceIsAFailure) {
  // Windows has no such device (wine reaches the POSIX one through its Z: drive).
  platform::Disk disk;
  if (!disk.CreateOutput("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  ScriptWriter out(disk);
  ASSERT_TRUE(out.OpenOutput("/dev/full"));
  out.WriteFormatted("x");
  EXPECT_THROW(out.Finish(), Failure);
}

}  // namespace
