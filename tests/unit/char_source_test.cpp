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

#include "preprocess/line_reader.h"
#include "source/char_source.h"
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

TEST_F(CharSource, EndMarkerByteInsideTheFileIsReadOn) {
  Load("a\x7f" "b");
  EXPECT_EQ(GetCharacter(), 'a');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_FALSE(source().AtEndOfInput());
  // The reader itself goes on after it; the lexer is what stops there.
  EXPECT_EQ(source().PeekCharacter(), 'b');
  EXPECT_EQ(GetCharacter(), 'b');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_TRUE(source().AtEndOfInput());
  source().UngetCharacter();
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_TRUE(source().AtEndOfInput());
}

TEST_F(CharSource, LineOfAnyLengthArrivesWhole) {
  const std::string line = std::string(600, 'x') + "\r\n" + std::string(70000, 'y') + "\n";
  Load(line);
  EXPECT_EQ(ReadToEnd(), std::string(600, 'x') + "\n" + std::string(70000, 'y') + "\n\x7f");
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
  EXPECT_EQ(source().PeekCharacter(), 'c');

  // Before anything is read there is nothing to push back: a look ahead
  // reads nothing.
  Load("ab");
  EXPECT_EQ(source().PeekCharacter(), 'a');
  CapturedStreams streams;
  source().UngetCharacter();
  streams.Finish();
  EXPECT_EQ(streams.err, "");
  EXPECT_EQ(ReadToEnd(), "ab\x7f");
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

  // Over many lines to a character far ahead, and on a long line to one
  // near; a line end that a carriage return begins counts once.
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "a)\r\n";
  Load(lines + "(z" + std::string(100000, ' ') + "(y\n");
  lexer().SkipToCharacter('(');
  EXPECT_EQ(source().CurrentLine(), 1001);
  EXPECT_EQ(GetCharacter(), 'z');
  lexer().SkipToCharacter('(');
  EXPECT_EQ(GetCharacter(), 'y');
  lexer().SkipToCharacter('(');
  EXPECT_EQ(source().CurrentLine(), 1002);
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
  EXPECT_EQ(source().PeekCharacter(), 0x83);
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

/// A run over text in memory whose source is then a file: a file is read
/// in pieces of 64 KiB, which text in memory never is.
class CharSourceInPieces : public CharSource {
 protected:
  static constexpr std::size_t kPiece = std::size_t{1} << 16;

  void LoadFile(const std::string& text, Language language = kLocaleEnglish) {
    Load("", language);
    file_ = disk_.OpenInput(WriteSourceFile("in.r", text).c_str(), platform::InputRule::kRegularFile);
    ASSERT_NE(file_, nullptr);
    lexer().StartSource(SourceReader(file_.get()));
  }

 private:
  platform::Disk disk_;
  std::unique_ptr<platform::InputFile> file_;
};

TEST_F(CharSourceInPieces, LineEndsAndLinesAcrossPieces) {
  // A carriage return that ends a piece, with the line feed in the next
  // (one line end); one alone (itself, and pushed back); a line longer
  // than a piece.
  const std::string first = std::string(kPiece - 1, 'a') + "\r";
  const std::string second = "\n" + std::string(kPiece - 3, 'b') + "c\r";
  LoadFile(first + second + "d" + std::string(kPiece, 'e') + "\n");
  EXPECT_EQ(ReadBytes(kPiece), std::string(kPiece - 1, 'a') + "\n");
  EXPECT_EQ(ReadBytes(kPiece - 2), std::string(kPiece - 3, 'b') + "c");
  EXPECT_EQ(GetCharacter(), '\r');
  source().UngetCharacter();
  EXPECT_EQ(ReadToEnd(), "\rd" + std::string(kPiece, 'e') + "\n\x7f");
  EXPECT_TRUE(source().AtEndOfInput());

  // A look into the next piece, and the byte that ended the last pushed
  // back over it, whatever its value.
  LoadFile(std::string(kPiece - 1, 'a') + std::string(1, '\0') + "b");
  ReadBytes(kPiece);
  EXPECT_EQ(source().PeekCharacter(), 'b');
  source().UngetCharacter();
  EXPECT_EQ(ReadToEnd(), std::string("\0b\x7f", 3));
}

TEST_F(CharSourceInPieces, CommentAfterANumberAcrossPieces) {
  // The number looks past its slash into the next piece for a second one,
  // and pushes its slash back, which the piece before held.
  LoadFile(std::string(kPiece - 2, ' ') + "5/" + "/ comment\nword\n");
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
  EXPECT_EQ(pToken->value, 5);
  GetToken();
  EXPECT_STREQ(pToken->name, "word");
  EXPECT_EQ(pToken->line, 2);
  // And a division there, with the slash on one side and the digit on the other.
  LoadFile(std::string(kPiece - 2, ' ') + "8/" + "2 word\n");
  GetToken();
  EXPECT_EQ(pToken->value, 4);
}

/// Text handed out in pieces, as the preprocessing stage hands its lines.
class TextPieces : public TextFeed {
 public:
  struct Piece {
    std::string text;
    int32_t line;
  };
  explicit TextPieces(std::vector<Piece> pieces) : pieces_(std::move(pieces)) {}
  bool NextText(std::string_view& text, int32_t& line) override {
    if (next_ == pieces_.size()) return false;
    text = pieces_[next_].text;
    line = pieces_[next_++].line;
    return true;
  }

 private:
  std::vector<Piece> pieces_;
  std::size_t next_ = 0;
};

TEST_F(CharSource, LinesOfAFeedAreNumberedAsItSays) {
  // Whatever the readers counted; a text whose last line has no line feed
  // goes on in the next text, on the same line.
  TextPieces feed({{"a\n\"b\nc", 5}, {"d\r\ne\"\n", 9}});
  Load("");
  lexer().StartSource(SourceReader(&feed));
  EXPECT_EQ(ReadBytes(2), "a\n");
  EXPECT_EQ(source().CurrentLine(), 5);
  GetToken();
  EXPECT_STREQ(pToken->text, "b\ncd\ne");
  EXPECT_EQ(source().CurrentLine(), 10);
  EXPECT_EQ(GetCharacter(), '\n');
  EXPECT_EQ(GetCharacter(), kEndOfInput);
  EXPECT_EQ(source().CurrentLine(), 11);
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
