// The character source: one byte at a time from the current input file, line
// by line, with one byte of push-back and a line counter.
#pragma once

#include <cstdint>
#include <memory>

#include "base/platform.h"

/// Byte delivered at the end of the input (and a 127 inside a file ends it too).
constexpr int kEndOfInput = 127;
/// A physical line longer than this arrives as several lines.
constexpr int kLineBufferSize = 512;

/// The state of one input file. Copied out whole before an include and copied
/// back after it, so the including file goes on at the byte where it stopped.
struct SourceReader {
  int32_t ungetPending = 0;
  int32_t lineLength = 0;
  int32_t lineNumber = 1;
  int32_t readPos = 0;
  unsigned char lineBuffer[kLineBufferSize] = {};
  platform::InputFile* file = nullptr;
};

/// Opens the main input and makes it current; fails with
/// "Unable to open input file: %s\n" when it cannot be read (also a directory).
void OpenInput(const char* path);

/// Makes an already open file the current source, starting at line 1.
void StartSource(platform::InputFile* file);

/// The current source record, for saving and restoring around an include.
SourceReader SaveSource();
/// Restores a saved record and cancels a pending token push-back.
void RestoreSource(const SourceReader& saved);

/// The main input, once OpenInput has opened it.
platform::InputFile* MainInput();

/// The current source. Read through the functions below; it is visible here
/// only so that the per-byte read can be inlined.
extern SourceReader gSource;

/// Refills the line buffer from the current file (one physical line, at most
/// 511 bytes and its line end, or the end marker).
void RefillLine();

/// Next byte of the current source (0-255; 127 at the end).
inline int GetCharacter() {
  gSource.ungetPending = 0;
  if (gSource.readPos == gSource.lineLength) RefillLine();
  return gSource.lineBuffer[gSource.readPos++];
}
/// Pushes back the byte just read (one byte at most).
void UngetCharacter();
/// The byte after the one just read when it is in the same line buffer, else -1.
int PeekBufferedByte();

int32_t CurrentLine();
int32_t CurrentReadPos();
/// Counts one line end that a reader consumed.
void AdvanceLine();

/// Skips raw input up to and including the next byte c; stops quietly before
/// the end of input. Cancels a pending token push-back.
void SkipToCharacter(int c);

/// Forgets the current source and closes the main input if it is open.
void ResetSource();
