// The string pool of the 'LStr' converter.
#include "strings/string_pool.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "base/diagnostics.h"
#include "base/writer.h"

namespace {

/// Words on a line of the block.
constexpr std::size_t kWordsPerLine = 8;
/// Words laid out in one piece of the writer's buffer (a few kilobytes).
constexpr std::size_t kWordsPerPiece = 64 * kWordsPerLine;

/// The two lower-case hexadecimal digits of every byte.
constexpr auto kHexDigits = [] {
  std::array<std::array<char, 2>, 256> digits{};
  constexpr char kHex[] = "0123456789abcdef";
  for (std::size_t byte = 0; byte < digits.size(); ++byte) digits[byte] = {kHex[byte >> 4], kHex[byte & 15]};
  return digits;
}();

}  // namespace

void StringPool::ResetStringPool() {
  if (!pool_) {
    // One byte more than the pool holds: the zero that completes an odd last word.
    pool_.reset(new (std::nothrow) unsigned char[kStringPoolSize + 1]);
    if (!pool_) FatalError("Unable to allocate the LStr string pool");
  }
  end_ = 0;
  pool_[0] = 0;
}

void StringPool::AppendPoolString(const char* element) {
  const std::size_t length = std::strlen(element);
  if (length >= kStringPoolSize - end_) FatalError("LStr resource too large");
  std::memcpy(pool_.get() + end_, element, length + 1);
  end_ += length + 1;
  pool_[end_] = 0;
}

void StringPool::WritePoolWords(ScriptWriter& out) const {
  // "0x%04x, " of second * 256 + first for each word, laid out by hand a
  // piece at a time, with the line end after every eighth word of a line;
  // the count word already stands on the first line.
  const unsigned char* const pool = pool_.get();
  const std::size_t words = (end_ + 1) / 2;
  std::size_t onLine = 1;
  for (std::size_t first = 0; first < words;) {
    const std::size_t count = std::min(words - first, kWordsPerPiece);
    const std::size_t lineEnds = (onLine + count) / kWordsPerLine;
    out.WriteLaidOut(count * 8 + lineEnds * 2, [&](char* text) {
      for (const unsigned char* word = pool + 2 * first; word != pool + 2 * (first + count);
           word += 2) {
        text[0] = '0';
        text[1] = 'x';
        std::memcpy(text + 2, kHexDigits[word[1]].data(), 2);
        std::memcpy(text + 4, kHexDigits[word[0]].data(), 2);
        text[6] = ',';
        text[7] = ' ';
        text += 8;
        if (++onLine == kWordsPerLine) {
          text[0] = '\n';
          text[1] = '\t';
          text += 2;
          onLine = 0;
        }
      }
    });
    first += count;
  }
}
