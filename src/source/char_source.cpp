// The character source: the current input, a stretch of its bytes at a time.
#include "source/char_source.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

/// Every byte value, at its own index: a byte the reader hands out from no
/// piece (a carriage return whose piece is gone, a byte pushed back over
/// the start of a stretch) is handed out from here, where it lives as long
/// as the program and wherever the reader is copied to.
constexpr auto kEachByte = [] {
  std::array<unsigned char, 256> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i);
  return bytes;
}();

}  // namespace

bool SourceReader::NextPiece() {
  if (feed_ != nullptr) return NextTextOfFeed();
  std::span<const unsigned char> piece;
  if (file_ != nullptr) {
    // The file's buffer is read where it lies: its bytes stay valid until
    // the next piece is asked for.
    piece = file_->Available();
    file_->Take(piece.size());
  } else {
    piece = {text_, textEnd_};
    text_ = textEnd_;
  }
  if (piece.empty()) return false;
  at_ = piece.data();
  pieceEnd_ = at_ + piece.size();
  LookForStops(pieceEnd_);
  return true;
}

bool SourceReader::NextTextOfFeed() {
  std::string_view text;
  int32_t line = 0;
  while (feed_->NextText(text, line)) {
    if (text.empty()) continue;
    // The whole text is one piece, its lines counted by the readers from the
    // line the feed names, as they count a file's (a line feed inside a
    // string too: see CountLineFeedInString).
    at_ = feedText_ = reinterpret_cast<const unsigned char*>(text.data());
    pieceEnd_ = feedTextEnd_ = at_ + text.size();
    lineNumber_ = feedLine_ = line;
    LookForStops(pieceEnd_);
    return true;
  }
  // At the end, the line after the last, counted in the last text alone
  // (none when the feed gave no text at all).
  lineNumber_ = feedLine_;
  for (const unsigned char* at = feedText_; at != feedTextEnd_ && (at = Find(at, feedTextEnd_, '\n')) != feedTextEnd_;
       ++at)
    ++lineNumber_;
  feedText_ = feedTextEnd_;
  return false;
}

void SourceReader::LookForStops(const unsigned char* to) {
  searchEnd_ = to;
  returnAt_ = Find(at_, to, '\r');
  markerAt_ = Find(at_, to, kEndOfInput);
}

void SourceReader::NextStretch() {
  if (next_ != start_) before_ = next_[-1];
  ungotAt_ = nullptr;
  if (resumeEnd_ != nullptr) {
    start_ = next_ = resumeStart_;
    end_ = resumeEnd_;
    resumeEnd_ = nullptr;
    return;
  }
  if (at_ == pieceEnd_ && !NextPiece()) {
    start_ = next_ = kEndMarker;
    end_ = kEndMarker + 1;
    return;
  }
  const unsigned char* from = at_;
  if (from == returnAt_) {
    // A carriage return directly followed by a line feed is one line end,
    // the line feed; alone it is itself.
    if (from + 1 == pieceEnd_) {
      // The byte after it is in the next piece, and this one's bytes are
      // gone once that is taken.
      at_ = pieceEnd_;
      if (!NextPiece() || *at_ != '\n') {
        start_ = next_ = &kEachByte['\r'];
        end_ = next_ + 1;
        return;
      }
      from = at_;
    } else if (from[1] == '\n') {
      ++from;
    }
    returnAt_ = Find(from + 1, searchEnd_, '\r');
  } else if (from == markerAt_) {
    markerAt_ = Find(from + 1, searchEnd_, kEndOfInput);
  }
  // A stretch holds a carriage return or a byte 127 only as its first byte.
  start_ = next_ = from;
  end_ = std::min({returnAt_, markerAt_, pieceEnd_});
  at_ = end_;
}

void SourceReader::StepBack() {
  // Nothing read yet: nothing to push back.
  if (before_ < 0) return;
  resumeStart_ = start_;
  resumeEnd_ = end_;
  start_ = next_ = ungotAt_ = &kEachByte[static_cast<std::size_t>(before_)];
  end_ = next_ + 1;
}

void SourceReader::ComplainOfSecondPushBack() {
  // A complaint, not a failure: the run goes on.
  std::fflush(stdout);
  std::fputs("UngetCharacter: can only unget one character at a time\n", stderr);
  std::fflush(stderr);
}
