// The string pool of the 'LStr' converter: every element of one list, each
// followed by its zero byte, kept together so that the block can be written
// straight from it as 16-bit words.
#pragma once

#include <cstddef>
#include <memory>

class ScriptWriter;

/// Capacity of the pool: the bytes of all elements of one list with their zeros.
constexpr std::size_t kStringPoolSize = 655360;

/// The pool of one run. It is allocated by the run's first string list and
/// reused by every later one, so a list costs no allocation and a run
/// without string lists none at all.
class StringPool {
 public:
  /// Empties the pool, allocating it on its first use; fails with "Unable to
  /// allocate the LStr string pool" when the memory cannot be had.
  void ResetStringPool();

  /// Appends an element's text and a zero byte. Fails with "LStr resource
  /// too large" when the pool would overflow.
  void AppendPoolString(const char* element);

  /// Writes the pool as 16-bit words, eight to a line after the count word
  /// that already stands on the first line; an odd last byte is completed
  /// with a zero.
  void WritePoolWords(ScriptWriter& out) const;

 private:
  std::unique_ptr<unsigned char[]> pool_;
  std::size_t end_ = 0;
};
