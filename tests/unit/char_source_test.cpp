// The character source: bytes as read, the line buffer's limit, push-back,
// the raw skip, and saving the source around another file.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver/locale.h"
#include "source/char_source.h"
#include "source/lexer.h"
#include "source_text.h"

namespace {

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

TEST(CharSource, EmptyFileGivesTheEndMarkerAgainAndAgain) {
  LoadSource("");
  EXPECT_EQ(ReadBytes(3), "\x7f\x7f\x7f");
}

TEST(CharSource, LastLineWithoutLineEndIsFollowedByTheEndMarker) {
  LoadSource("ab\ncd");
  EXPECT_EQ(ReadToEnd(), "ab\ncd\x7f");
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST(CharSource, OnlyCarriageReturnLineFeedIsChanged) {
  LoadSource(std::string("a\r\nb\rc\r\r\nd\x1a\0\xff\r", 14));
  EXPECT_EQ(ReadToEnd(), std::string("a\nb\rc\r\nd\x1a\0\xff\r\x7f", 13));
}

TEST(CharSource, EndMarkerByteInsideTheFileEndsItsLineBuffer) {
  LoadSource("a\x7f" "b\n");
  EXPECT_EQ(GetCharacter(), 'a');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_EQ(PeekBufferedByte(), -1);
  // The reader itself goes on after it; the lexer is what stops there.
  EXPECT_EQ(GetCharacter(), 'b');
}

TEST(CharSource, LongLineArrivesAsSeveralLines) {
  LoadSource(std::string(600, 'x') + "\n");
  const std::string first = ReadBytes(512);
  EXPECT_EQ(first, std::string(511, 'x') + "\n");
  EXPECT_EQ(ReadBytes(90), std::string(89, 'x') + "\n");
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST(CharSource, LineBufferBoundary) {
  // 510 bytes and the line end fit; a 511th byte gets a line end of its own.
  LoadSource(std::string(510, 'a') + "\n" + std::string(511, 'b') + "\nc");
  EXPECT_EQ(ReadBytes(511), std::string(510, 'a') + "\n");
  EXPECT_EQ(ReadBytes(512), std::string(511, 'b') + "\n");
  EXPECT_EQ(ReadBytes(3), "\nc\x7f");
}

TEST(CharSource, ReadingCountsNoLines) {
  LoadSource("a\nb\n");
  ReadBytes(4);
  EXPECT_EQ(CurrentLine(), 1);
  AdvanceLine();
  EXPECT_EQ(CurrentLine(), 2);
}

TEST(CharSource, PushBackOfOneByte) {
  LoadSource("abc\n");
  EXPECT_EQ(GetCharacter(), 'a');
  EXPECT_EQ(GetCharacter(), 'b');
  UngetCharacter();
  EXPECT_EQ(CurrentReadPos(), 1);
  EXPECT_EQ(GetCharacter(), 'b');
  EXPECT_EQ(PeekBufferedByte(), 'c');
}

TEST(CharSource, SecondPushBackIsRefusedWithAComplaint) {
  LoadSource("abc\n");
  ReadBytes(3);
  CapturedStreams streams;
  UngetCharacter();
  UngetCharacter();
  streams.Finish();
  EXPECT_EQ(streams.err, "UngetCharacter: can only unget one character at a time\n");
  EXPECT_EQ(streams.out, "");
  EXPECT_EQ(GetCharacter(), 'c');
  EXPECT_EQ(GetCharacter(), '\n');
}

TEST(CharSource, SkipToCharacterCountsLinesAndStopsAfterTheCharacter) {
  LoadSource("one\ntwo ( three\n");
  SkipToCharacter('(');
  EXPECT_EQ(CurrentLine(), 2);
  EXPECT_EQ(GetCharacter(), ' ');
  SkipToCharacter('\n');
  EXPECT_EQ(CurrentLine(), 3);
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST(CharSource, SkipToCharacterStopsBeforeTheEndOfInput) {
  LoadSource("last line without end");
  SkipToCharacter('\n');
  EXPECT_EQ(CurrentLine(), 1);
  EXPECT_EQ(GetCharacter(), kEndOfInput);

  // An end marker inside the file stops the skip too, and is read again.
  LoadSource("a\x7f\nb)\n");
  SkipToCharacter(')');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
}

TEST(CharSource, SkipToCharacterTakesTheSecondByteOfADoubleByteCharacter) {
  LoadSource("\x83(x(\x83\ny\n");
  SelectLocale(kLocaleJapanese);
  SkipToCharacter('(');
  // The first ( went with the lead byte before it.
  EXPECT_EQ(CurrentReadPos(), 4);
  // The line feed after the lead byte is its second byte: not a line end.
  SkipToCharacter('\n');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_EQ(CurrentLine(), 2);
}

TEST(CharSource, SkipToCharacterCancelsATokenPushBack) {
  LoadSource("first\nsecond third\n");
  GetToken();
  UngetToken();
  SkipToCharacter('\n');
  GetToken();
  EXPECT_STREQ(pToken->name, "second");
}

TEST(CharSource, SavedSourceGoesOnWhereItStopped) {
  LoadSource("outer\nrest of line\nlast\n");
  ReadBytes(8);
  AdvanceLine();
  const SourceReader saved = SaveSource();

  auto inner = platform::InputFile::Open(WriteSourceFile("inner.r", "in\n").c_str(),
                                         platform::InputRule::kRegularFile);
  ASSERT_NE(inner, nullptr);
  StartSource(inner.get());
  EXPECT_EQ(CurrentLine(), 1);
  EXPECT_EQ(ReadToEnd(), "in\n\x7f");
  GetToken();
  UngetToken();

  RestoreSource(saved);
  inner.reset();
  EXPECT_EQ(CurrentLine(), 2);
  EXPECT_EQ(ReadBytes(3), "st ");
  // The push-back made inside the other file does not leak out of it.
  GetToken();
  EXPECT_STREQ(pToken->name, "of");
}

TEST(CharSource, DirectoryIsNoInput) {
  ResetRunState();
  const std::string folder = testing::TempDir();
  const CapturedStreams streams = ExpectFailure([&] { OpenInput(folder.c_str()); });
  EXPECT_EQ(streams.err, "Unable to open input file: " + folder + "\n, line 0\n");
  ResetRunState();
}

}  // namespace
