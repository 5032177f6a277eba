// Text that tokens point into while they wait to be read: the lines of the
// file being read and what expansion makes (stringized arguments, pasted
// tokens). It is kept in blocks that never move, and let go all at once when
// no token points into it any more.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

class TextArena {
 public:
  /// A copy of `text` that stays where it is until Clear.
  std::string_view Store(std::string_view text) {
    if (text.size() > room_) {
      const std::size_t size = std::max(kBlockSize, text.size());
      blocks_.push_back({std::make_unique<char[]>(size), size});
      next_ = blocks_.back().bytes.get();
      room_ = size;
    }
    if (!text.empty()) std::memcpy(next_, text.data(), text.size());
    const std::string_view stored(next_, text.size());
    next_ += text.size();
    room_ -= text.size();
    return stored;
  }

  /// Lets go of everything stored; the last block is kept for what comes next.
  void Clear() {
    if (blocks_.empty()) return;
    if (blocks_.size() > 1) blocks_.erase(blocks_.begin(), blocks_.end() - 1);
    next_ = blocks_.back().bytes.get();
    room_ = blocks_.back().size;
  }

 private:
  static constexpr std::size_t kBlockSize = 1 << 16;
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t size;
  };
  std::vector<Block> blocks_;
  char* next_ = nullptr;
  std::size_t room_ = 0;
};
