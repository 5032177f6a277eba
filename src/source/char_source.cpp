// The character source: the current input, one line buffer at a time.
#include "source/char_source.h"

#include <cstdio>

namespace {

/// The bytes of text in memory, read as a file's.
struct TextBytes {
  const unsigned char*& next;
  const unsigned char* end;
  int GetByte() { return next == end ? -1 : *next++; }
  int PeekByte() const { return next == end ? -1 : *next; }
};

/// Fills `line` with one physical line from `bytes` and returns its length.
template <class Bytes>
int32_t FillLine(Bytes& bytes, unsigned char* line) {
  int32_t length = 0;
  for (;;) {
    int byte = bytes.GetByte();
    if (byte < 0) {
      byte = kEndOfInput;
    } else if (byte == '\r' && bytes.PeekByte() == '\n') {
      // A carriage return directly followed by a line feed is one line end.
      byte = bytes.GetByte();
    }
    line[length++] = static_cast<unsigned char>(byte);
    if (byte == '\n' || byte == kEndOfInput) break;
    if (length == kLineBufferSize - 1) {
      // A longer physical line goes on in the next buffer, as a line of its own.
      line[length++] = '\n';
      break;
    }
  }
  return length;
}

}  // namespace

void SourceReader::RefillLine() {
  readPos_ = 0;
  if (file_) {
    lineLength_ = FillLine(*file_, lineBuffer_);
  } else {
    TextBytes text{text_, textEnd_};
    lineLength_ = FillLine(text, lineBuffer_);
  }
}

void SourceReader::UngetCharacter() {
  if (ungetPending_) {
    // A complaint, not a failure: the run goes on.
    std::fflush(stdout);
    std::fputs("UngetCharacter: can only unget one character at a time\n", stderr);
    std::fflush(stderr);
    return;
  }
  if (readPos_ == 1) return;
  --readPos_;
  ungetPending_ = 1;
}
