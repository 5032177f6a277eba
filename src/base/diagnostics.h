// The failure of a run, and the small helpers for messages.
//
// A failure carries its message up to the run's entry, which adds the line of
// the last word read, reports it and removes the partly written script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/printf_format.h"

/// Longest composed message (a longer composition is cut): 255 characters.
constexpr std::size_t kMessageSize = 256;

/// Thrown by FatalError and caught only by the run's entry, which turns it
/// into the report, the removal of the output and exit status 1.
class Failure {
 public:
  explicit Failure(const char* message) : message_(message) {}
  const char* message() const { return message_.c_str(); }
  /// The file the failure happened in, where the failure names it (in
  /// preprocessing mode); empty when it is the main input's last word.
  const std::string& file() const { return file_; }
  /// The line the failure happened on, where the failure names it; -1 when
  /// the report takes the line of the last word read.
  int32_t line() const { return line_; }
  /// Names the file the failure happened in, unless one is named already
  /// (the innermost place is the one that counts).
  void NameFile(const std::string& path) {
    if (file_.empty()) file_ = path;
  }
  /// Names the line, unless one is named already.
  void NameLine(int32_t line) {
    if (line_ < 0) line_ = line;
  }

 private:
  std::string message_;
  std::string file_;
  int32_t line_ = -1;
};

/// Ends the run with `message`; the report adds ", line <n>". Never returns.
[[noreturn]] void FatalError(const char* message);

/// Composes a message into a 256-byte buffer (cut to 255 characters) and
/// fails with it.
[[noreturn]] void FatalErrorFormatted(const char* format, ...) VORL_PRINTF_FORMAT(1, 2);

/// Fails with the message composed as FatalErrorFormatted does, naming
/// `line` as the line it happened on.
[[noreturn]] void FatalErrorOnLine(int32_t line, const char* format, ...) VORL_PRINTF_FORMAT(2, 3);

/// Fails with "<parser>: <what>", the form of every message that names the
/// parsing function it comes from.
[[noreturn]] void FailIn(const char* parser, const char* what);

/// Formatted text to standard output: the plain reading's warnings and
/// progress lines.
void PrintStdout(const char* format, ...) VORL_PRINTF_FORMAT(1, 2);

/// A warning of preprocessing mode, where compilers write theirs for build
/// logs and editors to find: "FILE:LINE: warning: TEXT" on standard error,
/// after everything already written on standard output.
void PrintWarning(const char* file, long line, const char* text);

/// Counts one level of a nesting (parser calls that recurse with the input)
/// for as long as it lives, also while a failure unwinds through it. Passing
/// `limit` levels fails with `message`, so no input can exhaust the stack.
class NestingGuard {
 public:
  NestingGuard(int& depth, int limit, const char* message) : depth_(depth) {
    if (depth_ >= limit) FatalError(message);
    ++depth_;
  }
  ~NestingGuard() { --depth_; }
  NestingGuard(const NestingGuard&) = delete;
  NestingGuard& operator=(const NestingGuard&) = delete;

 private:
  int& depth_;
};
