// The character source: the current input file, one line buffer at a time.
#include "source/char_source.h"

#include <sys/stat.h>

#include "driver/diagnostics.h"
#include "driver/locale.h"
#include "source/lexer.h"

namespace {

SourceReader current;
std::FILE* mainInput = nullptr;

/// One byte of the file; a carriage return directly followed by a line feed
/// arrives as the line feed alone. End of file (or a read error) gives 127.
int ReadFileByte(std::FILE* file) {
  if (!file) return kEndOfInput;
  int byte = getc_unlocked(file);
  if (byte == EOF) return kEndOfInput;
  if (byte == '\r') {
    const int next = getc_unlocked(file);
    if (next == '\n') return '\n';
    if (next != EOF) ungetc(next, file);
  }
  return byte;
}

void Refill() {
  current.lineLength = 0;
  current.readPos = 0;
  for (;;) {
    const int byte = ReadFileByte(current.file);
    current.lineBuffer[current.lineLength++] = static_cast<unsigned char>(byte);
    if (byte == '\n' || byte == kEndOfInput) return;
    if (current.lineLength == kLineBufferSize - 1) {
      // A longer physical line goes on in the next buffer, as a line of its own.
      current.lineBuffer[current.lineLength++] = '\n';
      return;
    }
  }
}

}  // namespace

void OpenInput(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  struct stat info;
  if (file && (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode))) {
    std::fclose(file);
    file = nullptr;
  }
  if (!file) FatalErrorFormatted("Unable to open input file: %s\n", path);
  mainInput = file;
  StartSource(file);
}

void StartSource(std::FILE* file) {
  current.ungetPending = 0;
  current.lineLength = 0;
  current.lineNumber = 1;
  current.readPos = 0;
  current.file = file;
}

SourceReader SaveSource() { return current; }

void RestoreSource(const SourceReader& saved) {
  current = saved;
  CancelTokenPushBack();
}

std::FILE* CurrentSourceFile() { return current.file; }

int GetCharacter() {
  current.ungetPending = 0;
  if (current.readPos == current.lineLength) Refill();
  return current.lineBuffer[current.readPos++];
}

void UngetCharacter() {
  if (current.ungetPending) {
    PrintStderr("UngetCharacter: can only unget one character at a time\n");
    return;
  }
  if (current.readPos == 1) return;
  --current.readPos;
  current.ungetPending = 1;
}

int PeekBufferedByte() {
  if (current.readPos < current.lineLength) return current.lineBuffer[current.readPos];
  return -1;
}

int32_t CurrentLine() { return current.lineNumber; }
int32_t CurrentReadPos() { return current.readPos; }
void AdvanceLine() { ++current.lineNumber; }

void SkipToCharacter(int c) {
  CancelTokenPushBack();
  for (;;) {
    const int byte = GetCharacter();
    if (byte == '\n') AdvanceLine();
    if (byte == kEndOfInput) {
      UngetCharacter();
      return;
    }
    if (IsLeadByte(byte)) {
      GetCharacter();
    } else if (byte == c) {
      return;
    }
  }
}

void ResetSource() {
  if (mainInput) std::fclose(mainInput);
  mainInput = nullptr;
  current = SourceReader{};
}
