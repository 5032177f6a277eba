// The string pool of the 'LStr' converter.
#include "strings/string_pool.h"

#include <cstring>
#include <new>

#include "base/diagnostics.h"
#include "base/writer.h"

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
  int wordsOnLine = 1;
  for (std::size_t i = 0; i < end_; i += 2) {
    const unsigned first = pool_[i];
    const unsigned second = i + 1 < end_ ? pool_[i + 1] : 0;
    // "0x%04x, " of second * 256 + first, laid out by hand: this is the one
    // loop whose output grows with the input.
    static constexpr char kHex[] = "0123456789abcdef";
    const char word[] = {'0', 'x', kHex[second >> 4], kHex[second & 15],
                         kHex[first >> 4], kHex[first & 15], ',', ' '};
    out.WriteText(word, sizeof word);
    if (++wordsOnLine == 8) {
      out.WriteText("\n\t", 2);
      wordsOnLine = 0;
    }
  }
}
