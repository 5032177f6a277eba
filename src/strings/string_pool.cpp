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
    pool_.reset(new (std::nothrow) unsigned char[kStringPoolSize]);
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
}

void StringPool::WritePoolWords(ScriptWriter& out) const {
  // The count word already stands on the first line.
  std::size_t wordsOnLine = 1;
  std::size_t i = 0;
  while (i < end_) {
    // The rest of the line at once: "0x%04x, " of second * 256 + first for
    // each word, laid out by hand, and the line end when the line is full.
    const std::size_t words = std::min(kWordsPerLine - wordsOnLine, (end_ - i + 1) / 2);
    const bool lineEnds = wordsOnLine + words == kWordsPerLine;
    out.WriteLaidOut(words * 8 + (lineEnds ? 2 : 0), [&](char* text) {
      for (std::size_t w = 0; w < words; ++w, i += 2, text += 8) {
        const unsigned second = i + 1 < end_ ? pool_[i + 1] : 0;
        text[0] = '0';
        text[1] = 'x';
        std::memcpy(text + 2, kHexDigits[second].data(), 2);
        std::memcpy(text + 4, kHexDigits[pool_[i]].data(), 2);
        text[6] = ',';
        text[7] = ' ';
      }
      if (lineEnds) {
        text[0] = '\n';
        text[1] = '\t';
      }
    });
    wordsOnLine = lineEnds ? 0 : wordsOnLine + words;
  }
}
