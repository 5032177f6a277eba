// The character source: the current input file, one line buffer at a time.
#include "source/char_source.h"

#include "driver/diagnostics.h"
#include "driver/locale.h"
#include "source/lexer.h"

namespace {

std::unique_ptr<platform::InputFile> mainInput;

}  // namespace

SourceReader gSource;

void RefillLine() {
  SourceReader& source = gSource;
  source.readPos = 0;
  platform::InputFile* file = source.file;
  int length = 0;
  for (;;) {
    int byte = file ? file->GetByte() : -1;
    if (byte < 0) {
      byte = kEndOfInput;
    } else if (byte == '\r' && file->PeekByte() == '\n') {
      // A carriage return directly followed by a line feed is one line end.
      byte = file->GetByte();
    }
    source.lineBuffer[length++] = static_cast<unsigned char>(byte);
    if (byte == '\n' || byte == kEndOfInput) break;
    if (length == kLineBufferSize - 1) {
      // A longer physical line goes on in the next buffer, as a line of its own.
      source.lineBuffer[length++] = '\n';
      break;
    }
  }
  source.lineLength = length;
}

void OpenInput(const char* path) {
  mainInput = platform::InputFile::Open(path, platform::InputRule::kNotDirectory);
  if (!mainInput) FatalErrorFormatted("Unable to open input file: %s\n", path);
  StartSource(mainInput.get());
}

void StartSource(platform::InputFile* file) {
  gSource.ungetPending = 0;
  gSource.lineLength = 0;
  gSource.lineNumber = 1;
  gSource.readPos = 0;
  gSource.file = file;
}

SourceReader SaveSource() { return gSource; }

void RestoreSource(const SourceReader& saved) {
  gSource = saved;
  CancelTokenPushBack();
}

platform::InputFile* MainInput() { return mainInput.get(); }

void UngetCharacter() {
  if (gSource.ungetPending) {
    PrintStderr("UngetCharacter: can only unget one character at a time\n");
    return;
  }
  if (gSource.readPos == 1) return;
  --gSource.readPos;
  gSource.ungetPending = 1;
}

int PeekBufferedByte() {
  if (gSource.readPos < gSource.lineLength) return gSource.lineBuffer[gSource.readPos];
  return -1;
}

int32_t CurrentLine() { return gSource.lineNumber; }
int32_t CurrentReadPos() { return gSource.readPos; }
void AdvanceLine() { ++gSource.lineNumber; }

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
  mainInput.reset();
  gSource = SourceReader{};
}
