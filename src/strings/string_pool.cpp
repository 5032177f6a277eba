// The string pool of the 'LStr' converter. It is allocated by the first string
// list of a run and reused by every later one, so a list costs no allocation.
#include "strings/string_pool.h"

#include <cstring>
#include <memory>
#include <new>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "strings/lstr_escapes.h"

namespace {

std::unique_ptr<unsigned char[]> pool;
std::size_t poolEnd = 0;

}  // namespace

void ResetStringPool() {
  if (!pool) {
    pool.reset(new (std::nothrow) unsigned char[kStringPoolSize]);
    if (!pool) FatalError("Unable to allocate the LStr string pool");
  }
  poolEnd = 0;
  pool[0] = 0;
}

void AppendPoolString(char* element) {
  DecodeLStrEscapes(element);
  const std::size_t length = std::strlen(element);
  if (length >= kStringPoolSize - poolEnd) FatalError("LStr resource too large");
  std::memcpy(pool.get() + poolEnd, element, length + 1);
  poolEnd += length + 1;
}

void WritePoolWords(OutStream* stream) {
  // The count word already stands on the first line.
  int wordsOnLine = 1;
  for (std::size_t i = 0; i < poolEnd; i += 2) {
    const unsigned first = pool[i];
    const unsigned second = i + 1 < poolEnd ? pool[i + 1] : 0;
    // "0x%04x, " of second * 256 + first, laid out by hand: this is the one
    // loop whose output grows with the input.
    static constexpr char kHex[] = "0123456789abcdef";
    const char word[] = {'0', 'x', kHex[second >> 4], kHex[second & 15],
                         kHex[first >> 4], kHex[first & 15], ',', ' '};
    WriteText(stream, word, sizeof word);
    if (++wordsOnLine == 8) {
      WriteText(stream, "\n\t", 2);
      wordsOnLine = 0;
    }
  }
}

void FreeStringPool() {
  pool.reset();
  poolEnd = 0;
}
