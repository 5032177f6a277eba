// The resource script writer: one buffered output file, its prelude, its
// recorded path, and fixed-width placeholders patched once their value is known.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "base/conversion_layout.h"
#include "base/locale.h"
#include "base/platform.h"
#include "base/script_format.h"

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
  /// A writer whose script is created on `disk`.
  explicit ScriptWriter(platform::Disk& disk) : disk_(disk) {}
  ScriptWriter(const ScriptWriter&) = delete;
  ScriptWriter& operator=(const ScriptWriter&) = delete;

  /// Creates the script (existing content discarded), records its path for
  /// Discard and writes the macro prelude. When it cannot be created:
  /// "Unable to open output file %s\n" on standard output and false.
  bool OpenOutput(const char* path);

  /// Formatted text, as printf writes it, for the conversions the script's
  /// lines are made of: %d, %x, %X, %c and %s, with the flag 0, a width, and
  /// the sizes h and l (so "%02X", "%04hx", "%3ld" and the like). The format
  /// was split and checked when the program was compiled; its text and values
  /// are laid out straight into the buffer, in one piece.
  template <class... Values>
  void WriteFormatted(const ScriptFormat<std::type_identity_t<Values>...>& format,
                      Values... values) {
    WritePieces(format, std::index_sequence_for<Values...>{}, layout::Measured(values)...);
  }

  /// Appends the first `length` bytes of `text`, laid out when the program
  /// was compiled (the head of a property record). The whole array is
  /// copied, in moves of fixed size, into room reserved for all of it; the
  /// bytes past `length` are overwritten by the next write.
  template <std::size_t N>
  void WriteFront(const std::array<char, N>& text, std::size_t length) {
    std::memcpy(Room(N), text.data(), N);
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

  /// From now on every string literal that holds a byte from 0x80 to 0x9F
  /// is handed to the file in the form llvm-rc takes (AppendForLlvmRc),
  /// read in the script's language.
  void WriteForLlvmRc(const Locale& locale) {
    forLlvmRc_ = true;
    locale_ = locale;
  }

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
    if (openPlaceholders_ == 0 && used_ >= kFlushThreshold) FlushPending(false);
  }
  /// Hands the buffered text to the file: all of it when `whole`, else, in
  /// llvm-rc's form, its whole lines (a literal never goes past its line).
  void FlushPending(bool whole);
  /// Lays out the format's text and its values in one room of the buffer.
  template <class Format, std::size_t... Index, class... Values>
  void WritePieces(const Format& format, std::index_sequence<Index...>, Values... values) {
    const std::size_t most =
        format.textLength() +
        (std::size_t{0} + ... + layout::MostLength(format.piece(Index).conversion, values));
    char* out = Room(most);
    ((out = layout::LayOutText(out, format.piece(Index).text),
      out = layout::LayOut(out, format.piece(Index).conversion, values)),
     ...);
    out = layout::LayOutText(out, format.tail());
    used_ = static_cast<std::size_t>(out - buffer_.get());
    FlushWhenFull();
  }

  [[noreturn]] void FailWrite() const;

  platform::Disk& disk_;
  std::unique_ptr<platform::OutputFile> file_;
  std::string path_;             ///< empty until the script is created
  std::unique_ptr<char[]> buffer_;  ///< text not yet handed to the file
  std::size_t used_ = 0;
  std::size_t capacity_ = 0;
  std::size_t flushedBytes_ = 0; ///< bytes already handed to the file
  int openPlaceholders_ = 0;
  bool forLlvmRc_ = false;
  Locale locale_;
  /// In llvm-rc's form: the buffered bytes from the start known to hold no
  /// line end, which a flush need not look at again.
  std::size_t seenWithoutLineEnd_ = 0;
  std::string rewritten_;  ///< the text in llvm-rc's form, on its way to the file
};
