// The physical lines of one file of preprocessing mode.
#include "preprocess/line_reader.h"

#include <cstring>

std::string_view LineReader::Buffered() {
  if (file_ == nullptr) return text_;
  const auto bytes = file_->Available();
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void LineReader::TakeBytes(std::size_t bytes) {
  if (file_ == nullptr) text_.remove_prefix(bytes);
  else file_->Take(bytes);
}

void LineReader::Take(std::size_t bytes, int32_t lines) {
  TakeBytes(bytes);
  line_ += lines;
}

bool LineReader::Next(std::string_view& line) {
  std::string_view piece = Buffered();
  if (piece.empty()) return false;
  ++line_;
  bool endsInFeed = false;
  if (const void* feed = std::memchr(piece.data(), '\n', piece.size())) {
    // The whole line lies in the bytes at hand.
    const auto length = static_cast<std::size_t>(static_cast<const char*>(feed) - piece.data());
    line = piece.substr(0, length);
    TakeBytes(length + 1);
    endsInFeed = true;
  } else {
    // It goes on in the file's next pieces, or ends the input.
    assembled_.assign(piece);
    TakeBytes(piece.size());
    while (!(piece = Buffered()).empty()) {
      const void* end = std::memchr(piece.data(), '\n', piece.size());
      if (end == nullptr) {
        assembled_.append(piece);
        TakeBytes(piece.size());
        continue;
      }
      const auto length = static_cast<std::size_t>(static_cast<const char*>(end) - piece.data());
      assembled_.append(piece.substr(0, length));
      TakeBytes(length + 1);
      endsInFeed = true;
      break;
    }
    line = assembled_;
  }
  // A carriage return directly before the line feed belongs to the line end.
  if (endsInFeed && !line.empty() && line.back() == '\r') line.remove_suffix(1);
  return true;
}
