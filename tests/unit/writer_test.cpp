// The writer's placeholders and its refusal to lose a write; the script in
// the form llvm-rc takes.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

#include "base/diagnostics.h"
#include "base/llvm_rc_form.h"
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

namespace {

std::string ForLlvmRc(std::string_view script, Language language = kLocaleEnglish) {
  std::string out;
  AppendForLlvmRc(script, Locale(language), out);
  return out;
}

TEST(LlvmRcForm, EachRefusedByteGoesIntoANumberWithANeighbour) {
  const struct {
    std::string_view script;
    std::string_view written;
  } kCases[] = {
      // Nothing to do: every byte below 0x80 or from 0xA0 up, comments,
      // doubled quotes and escapes, a line without a literal.
      {"\t\"MIK5\", /* 'kind' */\n\t\"a\"\"b\\x41\xA0\xFF\", \n", "\t\"MIK5\", /* 'kind' */\n\t\"a\"\"b\\x41\xA0\xFF\", \n"},
      {"\tRSCS32(4), 0x0001,\n", "\tRSCS32(4), 0x0001,\n"},
      // With the byte after it; the last byte with the one before it; least
      // significant byte first.
      {"\t\"\\x80\\x80\\0\\0\",\n", "\t0x8080, \"\\0\\0\",\n"},
      {"\t\"\\x10\\x00\\x90\\0\",\n", "\t\"\\x10\\x00\", 0x0090,\n"},
      {"\t\"ba\x80\x80\", \n", "\t\"ba\", 0x8080, \n"},
      {"\t\"cba\x99\",\n", "\t\"cb\", 0x9961,\n"},
      {"\"\x9F" "ab\x80\"", "0x619F, 0x8062"},
      // Raw bytes, and escapes that stand for such a byte: \x with one or
      // two digits (either case), up to three octal digits.
      {"\"\\x9f\\X85\\205\\2059\"", "0x859F, 0x8585, \"9\""},
      {"\"\\x8EXT \"", "0x588E, \"T \""},
      // \x takes hexadecimal digits of either case, and stops at any other byte.
      {"\"\\x4g\x85\"", "\"\\x4\", 0x8567"},
      {"\"\\x4 \x85\"", "\"\\x4\", 0x8520"},
      {"\"\\xaF\x85\"", "0x85AF"},
      // Three octal digits at most: the fourth is a byte of its own.
      {"\"\\2051\"", "0x3185"},
      // Partners that every compiler reads alike: \n, \r, \t, \\, a doubled
      // quote, \0, an octal escape up to 0377.
      {"\"\\n\x85\\r\x86\"", "0x850A, 0x860D"},
      {"\"\\t\x85\\\\\x86\"", "0x8509, 0x865C"},
      {"\"\"\"\x85\\377\x86\"", "0x8522, 0x86FF"},
      {"\"\\0\x85\"", "0x8500"},
      // Escapes compilers read otherwise are never a partner: the byte takes
      // the neighbour on its other side.
      {"\"\\b\x85z\"", "\"\\b\", 0x7A85"},
      {"\"y\x85\\q\"", "0x8579, \"\\q\""},
      {"\"y\x85\\400\"", "0x8579, \"\\400\""},
      {"\"\\1 \x85\"", "\"\\1\", 0x8520"},
      {"\"\\9\x85\", \"\\!\x85\"", "\"\\9\x85\", \"\\!\x85\""},
      // No way to pair every such byte: the literal stays, for llvm-rc to
      // name; so does a literal the line ends.
      {"\t\"\x85\", \"\\b\x85\\b\", \"\x85" "a\x85\"\n", "\t\"\x85\", \"\\b\x85\\b\", \"\x85" "a\x85\"\n"},
      {"\t\"ab\x85\n\t\"\x85" "c\",\n", "\t\"ab\x85\n\t0x6385,\n"},
      {"\"\x85\\", "\"\x85\\"},
  };
  for (const auto& entry : kCases) EXPECT_EQ(ForLlvmRc(entry.script), entry.written) << entry.script;
}

TEST(LlvmRcForm, ADoubleByteCharacterKeepsItsSecondByteAsItStands) {
  // In Japanese, 0x81 0x5C is one character: its backslash begins no escape,
  // so the literal holds 0x81 0x5C 0x6E, not 0x81 0x0A. 0x80 is no lead
  // byte: a backslash after it is one, written doubled.
  EXPECT_EQ(ForLlvmRc("\"\\x03\x81\\n\"", kLocaleJapanese), "\"\\x03\", 0x5C81, \"n\"");
  EXPECT_EQ(ForLlvmRc("\"\\x04\x80\\\\n\"", kLocaleJapanese), "\"\\x04\", 0x5C80, \"n\"");
  // The same bytes in English: the backslash after 0x81 is an escape.
  EXPECT_EQ(ForLlvmRc("\"\\x03\x81\\n\"", kLocaleEnglish), "\"\\x03\", 0x0A81");
  // A backslash as a second byte goes into a number with its lead byte, even
  // where llvm-rc takes the lead byte itself.
  EXPECT_EQ(ForLlvmRc("\"\\x03\xE0\\n\"", kLocaleJapanese), "\"\\x03\xE0\", 0x6E5C");
  EXPECT_EQ(ForLlvmRc("\"\\x03\xE0\\n\"", kLocaleEnglish), "\"\\x03\xE0\\n\"");
  // Two refused bytes make one character; a lead byte the line ends is left.
  EXPECT_EQ(ForLlvmRc("\"a\x81\x85\"", kLocaleJapanese), "\"a\", 0x8581");
  EXPECT_EQ(ForLlvmRc("\"a\x81\n", kLocaleJapanese), "\"a\x81\n");
  // A quote after a lead byte still ends the literal.
  EXPECT_EQ(ForLlvmRc("\"a\x81\", 1", kLocaleKorean), "0x8161, 1");
}

TEST(LlvmRcForm, AWriterForLlvmRcRewritesEveryLiteralAcrossItsFlushes) {
  const std::string path = WriteSourceFile("llvm.rc", "");
  platform::Disk disk;
  ScriptWriter out(disk);
  ASSERT_TRUE(out.OpenOutput(path.c_str()));
  out.WriteForLlvmRc(Locale());
  // A write that takes the text past the flush threshold with one byte after
  // its last line end: that byte stays for the next flush.
  const std::string longLine(1 << 16, 'a');
  out.WriteFormatted("%s\n\t", longLine.c_str());
  // Far past the flush threshold, and with a placeholder open for a while.
  const Placeholder count = out.WritePlaceholder("%3ld", 0);
  for (int i = 0; i < 30000; ++i) out.WriteFormatted("\t\"\\x%02X\\x%02X\\0\\0\",\n", 0x80 + i % 32, i % 256);
  out.PatchPlaceholder(count, "%3ld", 12);
  for (int i = 0; i < 30000; ++i) out.WriteFormatted("\t\"%c%c\",", 'a', 0x99);
  out.Finish();
  std::string expected = std::string(kPrelude) + longLine + "\n\t 12";
  char line[64];
  for (int i = 0; i < 30000; ++i) {
    std::snprintf(line, sizeof line, "\t0x%02X%02X, \"\\0\\0\",\n", i % 256, 0x80 + i % 32);
    expected += line;
  }
  for (int i = 0; i < 30000; ++i) expected += "\t0x9961,";
  EXPECT_EQ(ReadFile(path), expected);
}

}  // namespace
