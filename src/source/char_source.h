// The character source: one byte at a time from an input file, from text in
// memory or from a feed of lines, with one byte of push-back and a line
// counter.
//
// The bytes are read where they lie: in the file's own buffer, in the text,
// in the feed's text. Nothing is copied, so a line of any length is read
// whole in the memory a short one takes. A reader hands out stretches of the
// bytes as they stand and looks at a byte of its own only where a stretch
// ends: at a carriage return (which, with a line feed after it, makes one
// line end), at a byte 127, at the end of the piece of input at hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "base/platform.h"

/// Byte delivered at the end of the input, and again on every later read. A
/// byte 127 inside a file reads the same; AtEndOfInput tells the two apart.
constexpr int kEndOfInput = 127;

/// Where a source in preprocessing mode takes its text: the lines the
/// preprocessor makes of the files, each with the line of the main file it
/// comes from.
class TextFeed {
 public:
  /// The next text: one or more whole lines, each ending in a line feed,
  /// and the line of the main file its first line comes from; false when
  /// there is no more. The text stays valid until the next call.
  virtual bool NextText(std::string_view& text, int32_t& line) = 0;

 protected:
  ~TextFeed() = default;
};

/// The reading state of one input. A lexer holds the current one; it is
/// copied out whole before an include and copied back after it, so the
/// including file goes on at the byte where it stopped. Every pointer it
/// holds points into the input's own bytes or into constant bytes, never
/// into the reader itself, so a copy reads on as the original would.
class SourceReader {
 public:
  /// A source that is at its end from the start.
  SourceReader() = default;
  /// Reads an open file (StartSource), starting at line 1. The file is not
  /// owned and must outlive the reading.
  explicit SourceReader(platform::InputFile* file) : file_(file) {}
  /// Reads text in memory as a file holding those bytes would be read. The
  /// text is not copied and must outlive the reading.
  explicit SourceReader(std::string_view text)
      : text_(reinterpret_cast<const unsigned char*>(text.data())), textEnd_(text_ + text.size()) {}
  /// Reads the text a feed gives, numbering each line as the feed says. The
  /// feed must outlive the reading.
  explicit SourceReader(TextFeed* feed) : feed_(feed) {}

  /// Next byte (0-255; 127 at the end, and again on every later read).
  int GetCharacter() {
    if (next_ == end_) NextStretch();
    return *next_++;
  }
  /// Pushes back the byte just read (one byte at most: a second push-back
  /// with no byte read since is refused with a complaint on standard error).
  void UngetCharacter() {
    if (next_ == ungotAt_) {
      ComplainOfSecondPushBack();
    } else if (next_ != start_) {
      ungotAt_ = --next_;
    } else {
      StepBack();
    }
  }
  /// The byte the next GetCharacter gives, left unread: the byte just read
  /// can still be pushed back.
  int PeekCharacter() {
    if (next_ == end_) NextStretch();
    return *next_;
  }
  /// Whether the byte just read is the end of the input, not a byte 127 of it.
  bool AtEndOfInput() const { return next_ == kEndMarker + 1; }

  int32_t CurrentLine() const { return lineNumber_; }
  /// Counts one line end that a reader consumed.
  void AdvanceLine() { ++lineNumber_; }
  /// Counts a line feed read inside a string where the lines are numbered
  /// as they stand in the file: in a feed's text; a file's own string leaves
  /// it uncounted.
  void CountLineFeedInString() {
    if (CountsLineFeedsInStrings()) ++lineNumber_;
  }
  bool CountsLineFeedsInStrings() const { return feed_ != nullptr; }

 private:
  friend class SourceCursor;

  /// The end of the input as a stretch of its own: its address tells it
  /// from a byte 127 of the input.
  static constexpr unsigned char kEndMarker[1] = {kEndOfInput};

  /// The first `byte` from `from` on, or `to` when there is none before it.
  static const unsigned char* Find(const unsigned char* from, const unsigned char* to, unsigned char byte) {
    const void* found = std::memchr(from, byte, static_cast<std::size_t>(to - from));
    return found ? static_cast<const unsigned char*>(found) : to;
  }
  /// Begins the next stretch, after the current one is used up.
  void NextStretch();
  /// Takes the next piece of the input (a file's buffer, the text, a text
  /// of the feed); false at the end of the input.
  bool NextPiece();
  bool NextTextOfFeed();
  /// Looks for the next carriage return and byte 127 from at_ up to `to`.
  void LookForStops(const unsigned char* to);
  /// Pushes back the byte just read when it was the last of the stretch
  /// before the current one (a look ahead began the current one).
  void StepBack();
  static void ComplainOfSecondPushBack();

  // The stretch being read: the bytes from start_ to end_, of which next_ is
  // the next to deliver.
  const unsigned char* start_ = nullptr;
  const unsigned char* next_ = nullptr;
  const unsigned char* end_ = nullptr;
  /// Where the last push-back left next_ in this stretch: while next_ is
  /// still there, nothing was read since.
  const unsigned char* ungotAt_ = nullptr;
  /// The last byte of the stretch before this one, -1 before the first.
  int before_ = -1;
  /// The stretch a push-back over its start interrupted, to go on with
  /// after the byte pushed back; end null when none is.
  const unsigned char* resumeStart_ = nullptr;
  const unsigned char* resumeEnd_ = nullptr;

  // The piece at hand: where its next stretch begins, its end, and its next
  // carriage return and next byte 127 from there, up to the end of the bytes
  // at hand (the piece, or the whole text of the feed that holds the line),
  // that end when there is none. Each is looked for once, not on every
  // line: they are rare.
  const unsigned char* at_ = nullptr;
  const unsigned char* pieceEnd_ = nullptr;
  const unsigned char* searchEnd_ = nullptr;
  const unsigned char* returnAt_ = nullptr;
  const unsigned char* markerAt_ = nullptr;

  int32_t lineNumber_ = 1;
  platform::InputFile* file_ = nullptr;
  /// The text in memory.
  const unsigned char* text_ = nullptr;
  const unsigned char* textEnd_ = nullptr;
  TextFeed* feed_ = nullptr;
  /// The feed's latest text and the line of the main file it begins on.
  const unsigned char* feedText_ = nullptr;
  const unsigned char* feedTextEnd_ = nullptr;
  int32_t feedLine_ = 0;
};

/// Reads the current stretch of a source through pointers of its own, for
/// the loops that pass over many bytes at a time: Next gives the bytes
/// GetCharacter would, in the same order, and goes on to the next stretch
/// through the reader. Nothing else reads the source while a cursor lives;
/// when it goes, the reader goes on after the last byte it gave.
class SourceCursor {
 public:
  explicit SourceCursor(SourceReader& source) : source_(source) { Load(); }
  ~SourceCursor() { Store(); }
  SourceCursor(const SourceCursor&) = delete;
  SourceCursor& operator=(const SourceCursor&) = delete;

  /// Next byte, as GetCharacter.
  int Next() { return next_ != end_ ? *next_++ : NextStretch(); }
  /// Whether the byte just read is the end of the input, as AtEndOfInput.
  bool AtEndOfInput() const { return next_ == SourceReader::kEndMarker + 1; }
  /// The next byte where this stretch holds it, not taken; else -1.
  int Peek() const { return next_ != end_ ? *next_ : -1; }
  /// Takes the byte Peek gave.
  void Skip() { ++next_; }
  /// Where the next byte stands in this stretch; Back goes there again, as
  /// long as only Peek and Skip moved on from it.
  const unsigned char* Mark() const { return next_; }
  void Back(const unsigned char* mark) { next_ = mark; }
  /// Takes the bytes of this stretch from the next one on for as long as
  /// `keep(byte)` is not zero, at most `most` of them, as that many Next
  /// calls would, and returns them. A run never goes past the stretch's
  /// last byte: a caller that reads on after it reads through Next. `keep`
  /// gives the same value for every byte it keeps (true, or one bit).
  template <class Keep>
  std::span<const unsigned char> TakeWhile(Keep keep, std::size_t most) {
    const unsigned char* const first = next_;
    const unsigned char* const limit =
        static_cast<std::size_t>(end_ - next_) < most ? end_ : next_ + most;
    // Four bytes at a time while four are left, with one test for all four.
    while (limit - next_ >= 4 && (keep(next_[0]) & keep(next_[1]) & keep(next_[2]) & keep(next_[3])))
      next_ += 4;
    while (next_ != limit && keep(*next_)) ++next_;
    return {first, next_};
  }
  /// Passes over the bytes of this stretch before the first `stop` or line
  /// feed among them (all of them when there is neither), as that many Next
  /// calls would: for a caller that passes over any byte but `stop`, a line
  /// end and a byte 127. A stretch's first byte, which may be a carriage
  /// return or a byte 127, is left to Next; after it a stretch holds
  /// neither. Where the `stop` is, is looked for once per stretch, so a
  /// skip over many lines of one stretch passes over each byte once.
  void SkipBefore(unsigned char stop) {
    if (next_ == start_) return;
    if (stop != '\n' && (stopAt_ == nullptr || stopAt_ < next_)) stopAt_ = Find(next_, end_, stop);
    next_ = Find(next_, stop != '\n' ? stopAt_ : end_, '\n');
  }
  /// Pushes back the byte just read, as UngetCharacter.
  void Unget() {
    Store();
    source_.UngetCharacter();
    Load();
  }

 private:
  static const unsigned char* Find(const unsigned char* from, const unsigned char* to, unsigned char byte) {
    return SourceReader::Find(from, to, byte);
  }
  void Load() {
    start_ = source_.start_;
    next_ = source_.next_;
    end_ = source_.end_;
    stopAt_ = nullptr;
  }
  void Store() { source_.next_ = next_; }
  int NextStretch() {
    Store();
    const int byte = source_.GetCharacter();
    Load();
    return byte;
  }

  SourceReader& source_;
  const unsigned char* start_;
  const unsigned char* next_;
  const unsigned char* end_;
  /// Where SkipBefore found its stop in this stretch (null: not looked for).
  const unsigned char* stopAt_;
};
