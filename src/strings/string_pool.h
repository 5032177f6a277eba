// The string pool of the 'LStr' converter: every element of one list, each
// followed by its zero byte, kept together so that the block can be written
// straight from it as 16-bit words.
#pragma once

#include <cstddef>

struct OutStream;

/// Capacity of the pool: the bytes of all elements of one list with their zeros.
constexpr std::size_t kStringPoolSize = 655360;

/// Allocates the pool on its first use in a run and empties it.
void ResetStringPool();

/// Decodes the escapes of one element in place, then appends its text and a
/// zero byte. Fails with "LStr resource too large" when the pool would overflow.
void AppendPoolString(char* element);

/// Writes the pool as 16-bit words, eight to a line after the count word that
/// already stands on the first line; an odd last byte is completed with a zero.
void WritePoolWords(OutStream* stream);

/// Releases the pool; the next conversion allocates it again.
void FreeStringPool();
