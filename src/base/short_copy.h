// Copying the short runs of bytes that words, format pieces and the like are
// made of, without a call for each.
#pragma once

#include <cstddef>
#include <cstring>

/// Copies `length` bytes (any number, 0 too) from `from` to `to`, which do
/// not overlap. Runs of up to 16 bytes, most of them, take a few moves of
/// fixed size that overlap in the middle; longer ones are left to memcpy.
inline void CopyShort(char* to, const char* from, std::size_t length) {
  if (length > 16) {
    std::memcpy(to, from, length);
  } else if (length >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + length - 8, from + length - 8, 8);
  } else if (length >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + length - 4, from + length - 4, 4);
  } else if (length > 0) {
    to[0] = from[0];
    to[length / 2] = from[length / 2];
    to[length - 1] = from[length - 1];
  }
}
