// The failure of a run and the message helpers.
#include "base/diagnostics.h"

#include <cstdarg>
#include <cstdio>

void FatalError(const char* message) { throw Failure(message); }

void FatalErrorFormatted(const char* format, ...) {
  char message[kMessageSize];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  FatalError(message);
}

void FatalErrorOnLine(int32_t line, const char* format, ...) {
  char message[kMessageSize];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  Failure failure(message);
  failure.NameLine(line);
  throw failure;
}

void FailIn(const char* parser, const char* what) { FatalErrorFormatted("%s: %s", parser, what); }

void PrintStdout(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stdout, format, args);
  va_end(args);
}

void PrintWarning(const char* file, long line, const char* text) {
  std::fflush(stdout);
  std::fprintf(stderr, "%s:%ld: warning: %s\n", file, line, text);
  std::fflush(stderr);
}
