// The way back from code page 1252 to the Macintosh character set: the
// inverse of the translation the converter applies to string literals.
#pragma once

#include <cstdint>

namespace dump {

/// The Windows byte the converter makes of Macintosh byte `mac`.
std::uint8_t MacToWindows(std::uint8_t mac);

/// The Macintosh byte to write so that the converter makes `windows` of it,
/// or -1 when no byte translates to it. Where several do, the lowest is taken.
int MacByteFor(std::uint8_t windows);

}  // namespace dump
