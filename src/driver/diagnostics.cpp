// The failure exit and the message helpers.
#include "driver/diagnostics.h"

#include <cstdarg>
#include <cstdio>

#include "source/tokens.h"

void FatalError(const char* message) {
  const long line = pToken ? pToken->line : 0;
  std::fflush(stdout);
  std::fprintf(stderr, "%s, line %ld\n", message, line);
  std::fflush(stderr);
  throw FatalExit{};
}

void FatalErrorFormatted(const char* format, ...) {
  char message[kMessageSize];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  FatalError(message);
}

void PrintStdout(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stdout, format, args);
  va_end(args);
}

void PrintStderr(const char* format, ...) {
  std::fflush(stdout);
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fflush(stderr);
}
