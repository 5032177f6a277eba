// The character source: bytes as read, the line buffer's limit, push-back,
// the raw skip, and another source read in between; why a file would not open.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "source/char_source.h"
#include "source/line_reader.h"
#include "source/lexer.h"
#include "source_text.h"

namespace {

class CharSource : public TextRunTest {
 protected:
  int GetCharacter() { return source().GetCharacter(); }

  /// The next `count` bytes of the current source.
  std::string ReadBytes(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) bytes += static_cast<char>(GetCharacter());
    return bytes;
  }

  /// Bytes up to and including the end marker (at most `limit`).
  std::string ReadToEnd(std::size_t limit = 100000) {
    std::string bytes;
    for (std::size_t i = 0; i < limit; ++i) {
      const int byte = GetCharacter();
      bytes += static_cast<char>(byte);
      if (byte == kEndOfInput) break;
    }
    return bytes;
  }
};

TEST_F(CharSource, EmptyFileGivesTheEndMarkerAgainAndAgain) {
  Load("");
  EXPECT_EQ(ReadBytes(3), "\x7f\x7f\x7f");
}

TEST_F(CharSource, LastLineWithoutLineEndIsFollowedByTheEndMarker) {
  Load("ab\ncd");
  EXPECT_EQ(ReadToEnd(), "ab\ncd\x7f");
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST_F(CharSource, OnlyCarriageReturnLineFeedIsChanged) {
  Load(std::string("a\r\nb\rc\r\r\nd\x1a\0\xff\r", 14));
  EXPECT_EQ(ReadToEnd(), std::string("a\nb\rc\r\nd\x1a\0\xff\r\x7f", 13));
}

TEST_F(CharSource, EndMarkerByteInsideTheFileEndsItsLineBuffer) {
  Load("a\x7f" "b\n");
  EXPECT_EQ(GetCharacter(), 'a');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_EQ(source().PeekBufferedByte(), -1);
  // The reader itself goes on after it; the lexer is what stops there.
  EXPECT_EQ(GetCharacter(), 'b');
}

TEST_F(CharSource, LongLineArrivesAsSeveralLines) {
  Load(std::string(600, 'x') + "\n");
  const std::string first = ReadBytes(512);
  EXPECT_EQ(first, std::string(511, 'x') + "\n");
  EXPECT_EQ(ReadBytes(90), std::string(89, 'x') + "\n");
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST_F(CharSource, LineBufferBoundary) {
  // 510 bytes and the line end fit; a 511th byte gets a line end of its own.
  Load(std::string(510, 'a') + "\n" + std::string(511, 'b') + "\nc");
  EXPECT_EQ(ReadBytes(511), std::string(510, 'a') + "\n");
  EXPECT_EQ(ReadBytes(512), std::string(511, 'b') + "\n");
  EXPECT_EQ(ReadBytes(3), "\nc\x7f");
}

TEST_F(CharSource, ReadingCountsNoLines) {
  Load("a\nb\n");
  ReadBytes(4);
  EXPECT_EQ(source().CurrentLine(), 1);
  source().AdvanceLine();
  EXPECT_EQ(source().CurrentLine(), 2);
}

TEST_F(CharSource, PushBackOfOneByte) {
  Load("abc\n");
  EXPECT_EQ(GetCharacter(), 'a');
  EXPECT_EQ(GetCharacter(), 'b');
  source().UngetCharacter();
  EXPECT_EQ(GetCharacter(), 'b');
  EXPECT_EQ(source().PeekBufferedByte(), 'c');
}

TEST_F(CharSource, SecondPushBackIsRefusedWithAComplaint) {
  Load("abc\n");
  ReadBytes(3);
  CapturedStreams streams;
  source().UngetCharacter();
  source().UngetCharacter();
  streams.Finish();
  EXPECT_EQ(streams.err, "UngetCharacter: can only unget one character at a time\n");
  EXPECT_EQ(streams.out, "");
  EXPECT_EQ(GetCharacter(), 'c');
  EXPECT_EQ(GetCharacter(), '\n');
}

TEST_F(CharSource, SkipToCharacterCountsLinesAndStopsAfterTheCharacter) {
  Load("one\ntwo ( three\n");
  lexer().SkipToCharacter('(');
  EXPECT_EQ(source().CurrentLine(), 2);
  EXPECT_EQ(GetCharacter(), ' ');
  lexer().SkipToCharacter('\n');
  EXPECT_EQ(source().CurrentLine(), 3);
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST_F(CharSource, SkipToCharacterStopsBeforeTheEndOfInput) {
  Load("last line without end");
  lexer().SkipToCharacter('\n');
  EXPECT_EQ(source().CurrentLine(), 1);
  EXPECT_EQ(GetCharacter(), kEndOfInput);

  // An end marker inside the file stops the skip too, and is read again.
  Load("a\x7f\nb)\n");
  lexer().SkipToCharacter(')');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST_F(CharSource, SkipToCharacterTakesTheSecondByteOfADoubleByteCharacter) {
  Load("\x83(x(\x83\ny\n", kLocaleJapanese);
  lexer().SkipToCharacter('(');
  // The first ( went with the lead byte before it; the skip stopped after
  // the second.
  EXPECT_EQ(source().PeekBufferedByte(), 0x83);
  // The line feed after the lead byte is its second byte: not a line end.
  lexer().SkipToCharacter('\n');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_EQ(source().CurrentLine(), 2);
}

TEST_F(CharSource, SkipToCharacterCancelsATokenPushBack) {
  Load("first\nsecond third\n");
  GetToken();
  UngetToken();
  lexer().SkipToCharacter('\n');
  GetToken();
  EXPECT_STREQ(pToken->name, "second");
}

TEST_F(CharSource, IncludedSourceGoesOnWhereTheIncludingOneStopped) {
  Load("outer\nrest of line\nlast\n");
  ReadBytes(8);
  source().AdvanceLine();
  {
    const std::string inner = "in\n";
    Lexer::IncludedSource included(lexer(), SourceReader(inner));
    EXPECT_EQ(source().CurrentLine(), 1);
    EXPECT_EQ(ReadToEnd(), "in\n\x7f");
    GetToken();
    UngetToken();
  }
  EXPECT_EQ(source().CurrentLine(), 2);
  EXPECT_EQ(ReadBytes(3), "st ");
  // The push-back made inside the other source does not leak out of it.
  GetToken();
  EXPECT_STREQ(pToken->name, "of");
}

TEST(CharSourceOfAFile, DirectoryIsNoInput) {
  const std::string folder = testing::TempDir();
  ::Run run(folder);
  CapturedStreams streams;
  EXPECT_EQ(RunForTesting::Attempt(run, [&] { run.OpenInput(); }), 1);
  streams.Finish();
  EXPECT_EQ(streams.err, "Unable to open input file: " + folder + "\n, line 0\n");
}

TEST(CharSourceOfAFile, SaysWhyAPathWouldNotOpenInTheSameWordsEverywhere) {
  using platform::InputRule;
  using platform::OpenFailure;
  const std::string file = WriteSourceFile("in.r", "x");
  const std::string folder = testing::TempDir();
#ifdef _WIN32
  const std::string device = "NUL";
#else
  const std::string device = "/dev/null";
  const std::string loop = file + ".loop";
  std::filesystem::remove(loop);
  std::filesystem::create_symlink(loop, loop);
#endif
  const struct {
    std::string path;
    InputRule rule;
    OpenFailure why;
    const char* text;
  } kCases[] = {
      {file + ".missing", InputRule::kNotDirectory, OpenFailure::kNoSuchFile, "No such file or directory"},
      {file + "/x", InputRule::kRegularFile, OpenFailure::kNoSuchFile, "No such file or directory"},
      {folder, InputRule::kNotDirectory, OpenFailure::kIsDirectory, "Is a directory"},
      {folder, InputRule::kRegularFile, OpenFailure::kIsDirectory, "Is a directory"},
      {device, InputRule::kRegularFile, OpenFailure::kNotAFile, "Not a regular file"},
#ifndef _WIN32
      {loop, InputRule::kNotDirectory, OpenFailure::kOther, "Cannot be read"},
#endif
  };
  platform::Disk disk;
  for (const auto& entry : kCases) {
    OpenFailure why = OpenFailure::kNone;
    EXPECT_EQ(disk.OpenInput(entry.path.c_str(), entry.rule, &why), nullptr) << entry.path;
    EXPECT_EQ(why, entry.why) << entry.path;
    EXPECT_STREQ(platform::OpenFailureText(why), entry.text) << entry.path;
  }
  EXPECT_STREQ(platform::OpenFailureText(OpenFailure::kPermissionDenied), "Permission denied");
  // A file that opens leaves the reason alone.
  OpenFailure why = OpenFailure::kNone;
  EXPECT_NE(disk.OpenInput(file.c_str(), InputRule::kRegularFile, &why), nullptr);
  EXPECT_EQ(why, OpenFailure::kNone);
#ifndef _WIN32
  std::filesystem::remove(loop);
#endif
}

#ifndef _WIN32
TEST(CharSourceOfAFile, APathRefusedAfterItOpenedLeavesNoDescriptorOpen) {
  // A directory opens before it is refused as an input; with far fewer
  // descriptors than tries, one left open each time would soon make the
  // answer "Cannot be read".
  const std::string folder = testing::TempDir();
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit few = saved;
  few.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
  platform::Disk disk;
  int refusedAsDirectory = 0;
  for (int i = 0; i < 200; ++i) {
    platform::OpenFailure why = platform::OpenFailure::kNone;
    disk.OpenInput(folder.c_str(), platform::InputRule::kNotDirectory, &why);
    refusedAsDirectory += why == platform::OpenFailure::kIsDirectory;
  }
  setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(refusedAsDirectory, 200);
}
#endif

}  // namespace

TEST(LineReader, LinesOfAFileAnyLengthAcrossItsPieces) {
  // A line longer than the file's 64 KiB pieces, lines ending in a carriage
  // return and a line feed, one crossing into the next piece, and a last
  // line without its line feed whose carriage return stays.
  const std::string longLine(70000, 'x');
  const std::string crossing = std::string(65536 - 70001 % 65536 - 3, 'y');
  const std::string text = longLine + "\n" + crossing + "ab\r\ncd\r\nlast\r";
  const std::string path = WriteSourceFile("lines.r", text);
  platform::Disk disk;
  const auto file = disk.OpenInput(path.c_str(), platform::InputRule::kRegularFile);
  ASSERT_NE(file, nullptr);
  LineReader reader(file.get());
  std::string_view line;
  std::vector<std::string> lines;
  while (reader.Next(line)) lines.emplace_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{longLine, crossing + "ab", "cd", "last\r"}));
  EXPECT_EQ(reader.line(), 4);
}
