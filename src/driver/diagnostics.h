// The one failure exit, and the small helpers for messages.
#pragma once

#include <cstddef>

#include "base/printf_format.h"

/// Longest composed message (a longer composition is cut): 255 characters.
constexpr std::size_t kMessageSize = 256;

/// Thrown by FatalError and caught by the entry point, which turns it into the
/// report's consequences: the output closed and removed, exit status 1.
struct FatalExit {};

/// Thrown where the run ends with a status but without the failure report
/// (the output cannot be created, or is the input itself).
struct EarlyExit {
  int status;
};

/// Reports "<message>, line <n>" on standard error with the current token's
/// line, then ends the run with status 1 (the output is removed). Never returns.
[[noreturn]] void FatalError(const char* message);

/// Composes a message into a 256-byte buffer (cut to 255 characters) and
/// fails with it.
[[noreturn]] void FatalErrorFormatted(const char* format, ...) VORL_PRINTF_FORMAT(1, 2);

/// Formatted text to standard output: warnings and progress lines.
void PrintStdout(const char* format, ...) VORL_PRINTF_FORMAT(1, 2);
/// Formatted text to standard error.
void PrintStderr(const char* format, ...) VORL_PRINTF_FORMAT(1, 2);

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
