// The physical lines of one file of preprocessing mode, as C reads them: a
// line ends at a line feed (a carriage return before it goes with it), and a
// line of any length is one line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/platform.h"

class LineReader {
 public:
  /// Reads an open file, which must outlive the reader.
  explicit LineReader(platform::InputFile* file) : file_(file) {}
  /// Reads text in memory, which must outlive the reader.
  explicit LineReader(std::string_view text) : text_(text) {}

  /// The next line, without its line end; false at the end of the input.
  /// The text stays valid until the next call.
  bool Next(std::string_view& line);
  /// The number of the line Next gave last (0 before the first).
  int32_t line() const { return line_; }

  /// The bytes read ahead and not yet taken (whole lines, and perhaps the
  /// start of one more), reading more when none are left; empty at the end.
  /// Valid until the next call of the reader.
  std::string_view Buffered();
  /// Takes the first `bytes` of Buffered, which hold `lines` whole lines.
  void Take(std::size_t bytes, int32_t lines);

 private:
  void TakeBytes(std::size_t bytes);

  platform::InputFile* file_ = nullptr;
  std::string_view text_;
  /// A line that runs over the end of the file's buffer, put together.
  std::string assembled_;
  int32_t line_ = 0;
};
