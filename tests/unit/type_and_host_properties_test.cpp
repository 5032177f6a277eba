// Type lists and host strings: the escape count behind the host's length
// bytes, and the three-digit list length at its bound and on a pipe.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "driver/run.h"
#include "proplist/string_field.h"
#include "source_text.h"

namespace {

TEST(CountEscapeExtras, CountsEachEscapeAsOneByteAndNeverReadsPastTheEnd) {
  struct Case {
    const char* text;
    int extras;
  };
  const Case cases[] = {
      {"", 0},          {"plain", 0},      {"a\\nb", 1},       {"\\x41", 3},
      {"\\x41BC", 3},   {"\\\\", 1},       {"\\x41\\t\\0", 5}, {"\\", 0},
      {"ab\\", 0},      {"\\x", 1},        {"\\x4", 2},        {"a\\nb\\x", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    // An exact-size copy, so that a read past the terminator is caught.
    const std::size_t size = std::strlen(c.text) + 1;
    std::unique_ptr<char[]> text(new char[size]);
    std::memcpy(text.get(), c.text, size);
    EXPECT_EQ(CountEscapeExtras(text.get()), c.extras);
  }
}

/// A ReadTypes property holding `pairs` type-and-creator pairs in one group.
std::string ReadTypesInput(int pairs) {
  std::string input = "resource 'Vorl' (1) { { ReadTypes { {";
  for (int i = 0; i < pairs; ++i) input += (i ? ", 'TEXT', 'ttxt'" : " 'TEXT', 'ttxt'");
  return input + " } } } };\n";
}

/// A path in the temporary folder, kept apart from other test processes.
std::string TempPath(const char* name) {
  return testing::TempDir() + "type_lists_" + ProcessTag() + "_" + name;
}

/// Runs the converter on `input`, writing to `output`.
Conversion Convert(const std::string& input, const std::string& output) {
  return ConvertText("in.r", input, output);
}

TEST(ListLength, FillsThreeDigitsAndFailsAsSoonAsItPassesThem) {
  const std::string output = TempPath("out.rc");
  ASSERT_EQ(Convert(ReadTypesInput(124), output).status, 0);
  EXPECT_NE(ReadFile(output).find("\tRSCS32(0),\n\tRSCS32(992),\n\t\"TXET\", \n"),
            std::string::npos);

  const Conversion tooLong = Convert(ReadTypesInput(125), output);
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_EQ(tooLong.err, "ParseReadTypes: List too long, line 1\n");
  EXPECT_FALSE(std::filesystem::exists(output));
}

// A POSIX pipe: the one output that cannot seek and is still a path.
#ifndef _WIN32
TEST(ListLength, IsPatchedOnOutputThatCannotSeek) {
  const std::string fifo = TempPath("pipe.rc");
  std::filesystem::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadFile(fifo); });
  const Conversion run = Convert(ReadTypesInput(3) + "resource 'Vorl' (2) { { ReadExtensions "
                                                     "{ { 'TIF ', 'TIFF' }, { 'PNG ' } } } };\n",
                                 fifo);
  // Should the run have ended before opening the pipe, release the reader.
  const int release = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  if (release >= 0) close(release);
  reader.join();
  std::filesystem::remove(fifo);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(received.find("\tRSCS32(0),\n\tRSCS32( 24),\n"), std::string::npos);
  EXPECT_NE(received.find("\tRSCS32(0),\n\tRSCS32( 12),\n\t\"TIF \", \n"), std::string::npos);
  EXPECT_NE(received.find("\tRSCS32(  1), /* Property Count */\n"), std::string::npos);
}
#endif

}  // namespace
