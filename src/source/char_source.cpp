// The character source: the current input, one line buffer at a time.
#include "source/char_source.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>

namespace {

/// The bytes of text in memory, handed out as a file's are.
struct TextBytes {
  const unsigned char*& next;
  const unsigned char* end;
  std::span<const unsigned char> Available() const {
    return {next, static_cast<std::size_t>(end - next)};
  }
  void Take(std::size_t count) { next += count; }
};

/// How many of the first `count` bytes at `bytes` come before the first
/// `stop` among them (all `count` when none is).
std::size_t BytesBefore(const unsigned char* bytes, std::size_t count, unsigned char stop) {
  const void* found = std::memchr(bytes, stop, count);
  return found ? static_cast<std::size_t>(static_cast<const unsigned char*>(found) - bytes)
               : count;
}

/// How far `ahead` says the next `stop` byte is, looking it up in `piece`
/// when it is not known (0); `run` is cut there.
std::size_t CutAtStop(std::span<const unsigned char> piece, std::size_t run, std::size_t& ahead,
                      unsigned char stop) {
  if (run <= ahead) return run;
  if (ahead == 0) ahead = BytesBefore(piece.data(), piece.size(), stop);
  return std::min(run, ahead);
}

/// Fills `line` with one physical line from `bytes` and returns its length.
/// The bytes up to the next line feed, carriage return or 127 are copied in
/// one piece; those three are looked at one by one.
template <class Bytes>
int32_t FillLine(Bytes& bytes, unsigned char* line, SourceReader::StopsAhead& ahead) {
  // A longer physical line goes on in the next buffer, as a line of its own.
  constexpr std::size_t kMostBytes = kLineBufferSize - 1;
  // Most lines lie whole in the bytes at hand, known to hold no carriage
  // return or 127: such a line is found and copied in one step.
  if (const std::span<const unsigned char> piece = bytes.Available(); !piece.empty()) {
    const auto* lineFeed = static_cast<const unsigned char*>(
        std::memchr(piece.data(), '\n', std::min(piece.size(), kMostBytes)));
    const std::size_t length =
        lineFeed ? static_cast<std::size_t>(lineFeed - piece.data()) + 1 : 0;
    if (length != 0 && length <= ahead.carriageReturn && length <= ahead.endMarker) {
      std::memcpy(line, piece.data(), length);
      bytes.Take(length);
      ahead.carriageReturn -= length;
      ahead.endMarker -= length;
      return static_cast<int32_t>(length);
    }
  }
  std::size_t length = 0;
  auto take = [&](std::size_t count) {
    bytes.Take(count);
    ahead.carriageReturn -= std::min(count, ahead.carriageReturn);
    ahead.endMarker -= std::min(count, ahead.endMarker);
  };
  for (;;) {
    const std::span<const unsigned char> piece = bytes.Available();
    if (piece.empty()) {
      line[length++] = kEndOfInput;
      break;
    }
    const std::size_t room = std::min(piece.size(), kMostBytes - length);
    std::size_t run = BytesBefore(piece.data(), room, '\n');
    run = CutAtStop(piece, run, ahead.carriageReturn, '\r');
    run = CutAtStop(piece, run, ahead.endMarker, kEndOfInput);
    std::memcpy(line + length, piece.data(), run);
    length += run;
    take(run);
    if (run < room) {
      int byte = piece[run];
      take(1);
      if (byte == '\r') {
        // A carriage return directly followed by a line feed is one line end.
        const std::span<const unsigned char> after = bytes.Available();
        if (!after.empty() && after[0] == '\n') {
          take(1);
          byte = '\n';
        }
      }
      line[length++] = static_cast<unsigned char>(byte);
      if (byte == '\n' || byte == kEndOfInput) break;
    }
    if (length == kMostBytes) {
      line[length++] = '\n';
      break;
    }
  }
  return static_cast<int32_t>(length);
}

}  // namespace

void SourceReader::RefillLine() {
  readPos_ = 0;
  ungotAt_ = -1;
  if (file_) {
    lineLength_ = FillLine(*file_, lineBuffer_, stopsAhead_);
    return;
  }
  if (feed_ != nullptr && text_ == textEnd_) {
    std::string_view text;
    if (feed_->NextText(text, feedLine_)) {
      text_ = reinterpret_cast<const unsigned char*>(text.data());
      textEnd_ = text_ + text.size();
    }
    stopsAhead_ = {};
  }
  TextBytes text{text_, textEnd_};
  lineLength_ = FillLine(text, lineBuffer_, stopsAhead_);
  if (feed_ != nullptr) {
    // Each line is numbered as the feed says, whatever the readers counted;
    // a line cut at the buffer's length goes on on the same line.
    lineNumber_ = feedLine_;
    if (lineLength_ < kLineBufferSize && lineBuffer_[lineLength_ - 1] == '\n') ++feedLine_;
  }
}

void SourceReader::ComplainOfSecondPushBack() {
  // A complaint, not a failure: the run goes on.
  std::fflush(stdout);
  std::fputs("UngetCharacter: can only unget one character at a time\n", stderr);
  std::fflush(stderr);
}
