// The character source: one byte at a time from an input file or from text in
// memory, line by line, with one byte of push-back and a line counter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "base/platform.h"

/// Byte delivered at the end of the input (and a 127 inside a file ends it too).
constexpr int kEndOfInput = 127;
/// A physical line longer than this arrives as several lines.
constexpr int kLineBufferSize = 512;

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
/// including file goes on at the byte where it stopped.
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
    if (readPos_ == lineLength_) RefillLine();
    return lineBuffer_[readPos_++];
  }
  /// Pushes back the byte just read (one byte at most: a second push-back
  /// with no byte read since is refused with a complaint on standard error).
  /// The first byte of a line buffer stays read.
  void UngetCharacter() {
    if (readPos_ == ungotAt_) {
      ComplainOfSecondPushBack();
    } else if (readPos_ != 1) {
      ungotAt_ = --readPos_;
    }
  }
  /// The byte after the one just read when it is in the same line buffer, else -1.
  int PeekBufferedByte() const { return readPos_ < lineLength_ ? lineBuffer_[readPos_] : -1; }

  /// How many of the bytes not yet read into the line buffer are known to
  /// hold no carriage return, and no 127: up to the next one in the input's
  /// buffer, or its end. 0 when not known. Those bytes are rare, so each is
  /// looked for once, not on every line.
  struct StopsAhead {
    std::size_t carriageReturn = 0;
    std::size_t endMarker = 0;
  };

  int32_t CurrentLine() const { return lineNumber_; }
  /// Numbers the lines from `line` on instead of from 1.
  void StartAtLine(int32_t line) { lineNumber_ = line; }
  /// Counts one line end that a reader consumed.
  void AdvanceLine() { ++lineNumber_; }

 private:
  /// Refills the line buffer (one physical line, at most 511 bytes and its
  /// line end, or the end marker).
  void RefillLine();
  static void ComplainOfSecondPushBack();

  friend class LineCursor;

  /// Where the last push-back left the read position in this line buffer, or
  /// -1: while the position is still there, nothing was read since.
  int32_t ungotAt_ = -1;
  int32_t lineLength_ = 0;
  int32_t lineNumber_ = 1;
  int32_t readPos_ = 0;
  unsigned char lineBuffer_[kLineBufferSize] = {};
  StopsAhead stopsAhead_;
  platform::InputFile* file_ = nullptr;
  const unsigned char* text_ = nullptr;  ///< the next byte of text in memory
  const unsigned char* textEnd_ = nullptr;
  TextFeed* feed_ = nullptr;
  /// The line of the main file that the feed's next byte stands on.
  int32_t feedLine_ = 0;
};

/// Reads the current line buffer through pointers of its own, for the loops
/// that pass over many bytes at a time: Next gives the bytes GetCharacter
/// would, in the same order, and refills through the reader at the end of the
/// buffer. Nothing else reads the source while a cursor lives; when it goes,
/// the reader goes on after the last byte it gave.
class LineCursor {
 public:
  explicit LineCursor(SourceReader& source) : source_(source) { Load(); }
  ~LineCursor() { Store(); }
  LineCursor(const LineCursor&) = delete;
  LineCursor& operator=(const LineCursor&) = delete;

  /// Next byte, as GetCharacter.
  int Next() { return next_ != end_ ? *next_++ : Refill(); }
  /// The next byte where this line buffer holds it, not taken; else -1.
  int Peek() const { return next_ != end_ ? *next_ : -1; }
  /// Takes the byte Peek gave.
  void Skip() { ++next_; }
  /// Where the next byte stands in this line buffer; Back goes there again,
  /// as long as only Peek and Skip moved on from it.
  const unsigned char* Mark() const { return next_; }
  void Back(const unsigned char* mark) { next_ = mark; }
  /// Takes the bytes of this line buffer from the next one on for as long as
  /// `keep(byte)` is not zero, at most `most` of them, as that many Next
  /// calls would, and returns them. A run never goes past the buffer's last
  /// byte: a caller that reads on after it reads through Next. `keep` gives
  /// the same value for every byte it keeps (true, or one bit).
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
  /// Passes over the bytes of this line buffer before the first `stop`
  /// among them, or before its last byte when there is none, as that many
  /// Next calls would: for a caller that passes over any byte but `stop`,
  /// a line end and the end marker, which only a buffer's last byte can be
  /// (a buffer holds one line). A lone carriage return may stand anywhere.
  void SkipBefore(unsigned char stop) {
    if (end_ - next_ < 2) return;
    const void* found = std::memchr(next_, stop, static_cast<std::size_t>(end_ - 1 - next_));
    next_ = found ? static_cast<const unsigned char*>(found) : end_ - 1;
  }
  /// Pushes back the byte just read, as UngetCharacter.
  void Unget() {
    Store();
    source_.UngetCharacter();
    Load();
  }

 private:
  void Load() {
    next_ = source_.lineBuffer_ + source_.readPos_;
    end_ = source_.lineBuffer_ + source_.lineLength_;
  }
  void Store() { source_.readPos_ = static_cast<int32_t>(next_ - source_.lineBuffer_); }
  int Refill() {
    Store();
    const int byte = source_.GetCharacter();
    Load();
    return byte;
  }

  SourceReader& source_;
  const unsigned char* next_;
  const unsigned char* end_;
};
