// The resource script writer: one buffered output file, its prelude, its
// recorded path, and fixed-width placeholders patched once their value is known.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "base/platform.h"
#include "base/script_format.h"
#include "base/short_copy.h"

/// A fixed-width number written now and overwritten later. While a placeholder
/// is open the writer keeps everything from it on in memory, so patching works
/// on any output, seekable or not.
struct Placeholder {
  std::size_t offset = 0;
  std::size_t width = 0;
};

/// The resource script of one run. Text is gathered in one buffer and handed
/// to the file in large pieces; every write, the final flush and the close are
/// checked, and a write error fails the run with
/// "Unable to write output file %s\n".
class ScriptWriter {
 public:
  ScriptWriter() = default;
  ScriptWriter(const ScriptWriter&) = delete;
  ScriptWriter& operator=(const ScriptWriter&) = delete;

  /// Creates the script (existing content discarded), records its path for
  /// Discard and writes the macro prelude. When it cannot be created:
  /// "Unable to open output file %s\n" on standard output and false.
  bool OpenOutput(const char* path);

  /// Formatted text, as printf writes it, for the conversions the script's
  /// lines are made of: %d, %x, %X, %c, %s and %%, with the flag 0, a width,
  /// and the sizes h and l (so "%02X", "%04hx", "%3ld" and the like). The
  /// format was split and checked when the program was compiled; its text
  /// and values are laid out straight into the buffer, in one piece.
  template <class... Values>
  void WriteFormatted(const ScriptFormat<std::type_identity_t<Values>...>& format,
                      Values... values) {
    if (format.readAtRunTime()) {
      WriteFormattedAtRunTime(format.text(), values...);
      return;
    }
    WritePieces(format, std::index_sequence_for<Values...>{}, Measured(values)...);
  }

  /// The same for a format known only at run time, read on every write; a
  /// conversion it cannot lay out is written as it stands.
  template <class Format, class... Values>
    requires std::is_same_v<Format, const char*> || std::is_same_v<Format, char*>
  void WriteFormatted(const Format& format, Values... values) {
    WriteFormattedAtRunTime(format, values...);
  }

  /// Appends `length` bytes of text as they are: the fast way for text a
  /// caller has already laid out.
  void WriteText(const char* text, std::size_t length) {
    std::memcpy(Room(length), text, length);
    used_ += length;
    FlushWhenFull();
  }

  /// Appends `length` bytes of text that `layOut(char* text)` writes
  /// straight into the buffer: for the one loop whose output grows with the
  /// input, laid out by hand.
  template <class LayOut>
  void WriteLaidOut(std::size_t length, LayOut layOut) {
    layOut(Room(length));
    used_ += length;
    FlushWhenFull();
  }

  /// Writes value with format (a long conversion, for example "%3ld") and
  /// remembers where.
  Placeholder WritePlaceholder(const ScriptFormat<long>& format, long value);
  /// Overwrites the placeholder with value in the same format. The caller
  /// keeps the value within the width; the overwrite never changes the
  /// text's length.
  void PatchPlaceholder(const Placeholder& where, const ScriptFormat<long>& format, long value);

  /// Flushes and closes the script at the end of a complete run.
  void Finish();

  /// After a failure: closes the script (errors ignored) and removes the file
  /// if its path is a regular file, never through a link. Nothing when no
  /// script was opened.
  void Discard();

 private:
  static constexpr std::size_t kFlushThreshold = 1 << 16;

  /// Where the next `count` bytes go: the buffer grows when they do not fit.
  /// The caller adds them to used_.
  char* Room(std::size_t count) {
    if (capacity_ - used_ < count) Grow(count);
    return buffer_.get() + used_;
  }
  void Grow(std::size_t count);
  void FlushWhenFull() {
    if (openPlaceholders_ == 0 && used_ >= kFlushThreshold) FlushPending();
  }
  void FlushPending();
  /// The digits of a number (at most 20) are moved in one block of this size.
  static constexpr std::size_t kDigitBlock = 24;
  /// The most characters a number conversion takes besides its width: its
  /// sign and its block of digits.
  static constexpr std::size_t kMostNumberLength = 1 + kDigitBlock;

  /// A value as its conversion takes it: a C string with its length counted
  /// once, a number as it is.
  template <class Value>
  static auto Measured(Value value) {
    if constexpr (std::is_integral_v<Value>) return value;
    else return std::string_view(value);
  }
  /// The most characters `conversion` lays out for `value`.
  static std::size_t MostLength(const FormatConversion& conversion, std::string_view text) {
    return conversion.width > text.size() ? conversion.width : text.size();
  }
  template <class Value>
  static std::size_t MostLength(const FormatConversion& conversion, Value) {
    return conversion.width + kMostNumberLength;
  }

  /// Lays out the format's text and its values in one room of the buffer.
  template <class Format, std::size_t... Index, class... Values>
  void WritePieces(const Format& format, std::index_sequence<Index...>, Values... values) {
    char* out = Room(format.textLength() +
                     (std::size_t{0} + ... + MostLength(format.piece(Index).conversion, values)));
    ((out = LayOutText(out, format.piece(Index).text),
      out = LayOut(out, format.piece(Index).conversion, values)),
     ...);
    out = LayOutText(out, format.tail());
    used_ = static_cast<std::size_t>(out - buffer_.get());
    FlushWhenFull();
  }

  /// Each lays out one piece at `out` and returns where it ends.
  static char* LayOutText(char* out, std::string_view text) {
    CopyShort(out, text.data(), text.size());
    return out + text.size();
  }
  static char* LayOut(char* out, const FormatConversion& conversion, std::string_view text) {
    return LayOutPadded(out, text.data(), text.size(), conversion.width);
  }
  template <class Value>
  static char* LayOut(char* out, const FormatConversion& conversion, Value value) {
    // The value as printf reads it for the conversion's size.
    const bool isLong = conversion.size == 'l';
    const bool isShort = conversion.size == 'h';
    if (conversion.kind == 'd') {
      const long long number = isLong    ? static_cast<long long>(static_cast<long>(value))
                               : isShort ? static_cast<short>(static_cast<int>(value))
                                         : static_cast<int>(value);
      const auto bits = static_cast<unsigned long long>(number);
      return LayOutNumber(out, number < 0 ? 0ull - bits : bits, number < 0, 10, false,
                          conversion.width, conversion.pad);
    }
    if (conversion.kind == 'c') {
      const char c = static_cast<char>(static_cast<int>(value));
      if (conversion.width <= 1) {
        *out = c;
        return out + 1;
      }
      return LayOutPadded(out, &c, 1, conversion.width);
    }
    const unsigned long long number =
        isLong    ? static_cast<unsigned long long>(static_cast<unsigned long>(value))
        : isShort ? static_cast<unsigned short>(static_cast<unsigned>(value))
                  : static_cast<unsigned>(value);
    return LayOutNumber(out, number, false, 16, conversion.kind == 'X', conversion.width,
                        conversion.pad);
  }
  /// One number of a conversion: its sign and digits in `base` (lower-case
  /// digits unless `upper`), padded on the left to `width` with `pad`
  /// (spaces before the sign, zeros after it). Takes up to kMostNumberLength
  /// characters past the width, though it ends earlier.
  static char* LayOutNumber(char* out, unsigned long long magnitude, bool negative, unsigned base,
                            bool upper, std::size_t width, char pad);
  /// `length` bytes, padded on the left with spaces to `width`.
  static char* LayOutPadded(char* out, const char* text, std::size_t length, std::size_t width);
  /// The format read as it is written, on every write.
  void WriteFormattedAtRunTime(const char* format, ...);
  [[noreturn]] void FailWrite() const;

  std::unique_ptr<platform::OutputFile> file_;
  std::string path_;             ///< empty until the script is created
  std::unique_ptr<char[]> buffer_;  ///< text not yet handed to the file
  std::size_t used_ = 0;
  std::size_t capacity_ = 0;
  std::size_t flushedBytes_ = 0; ///< bytes already handed to the file
  int openPlaceholders_ = 0;
};
