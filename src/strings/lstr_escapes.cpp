// Decoding of the backslash escapes of 'LStr' elements, in place.
#include "strings/lstr_escapes.h"

#include <cstddef>
#include <cstring>

#include "base/locale.h"

namespace {

bool IsBlank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int HexDigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

/// The low 8 bits of the hexadecimal number that starts at text, read the way
/// a C library reads base 16 (leading blanks, a sign, a 0x prefix), but exact:
/// however many digits follow, the value wraps instead of saturating, and a
/// minus negates in two's complement. No number reads as 0.
unsigned char ReadHexByte(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexDigitValue(p[2]) >= 0) p += 2;
  unsigned value = 0;
  for (int digit; (digit = HexDigitValue(*p)) >= 0; ++p) value = (value << 4) | unsigned(digit);
  if (negative) value = 0u - value;
  return static_cast<unsigned char>(value & 0xFF);
}

/// The byte an escape stands for and how many characters after the backslash
/// it removes; removed 0 leaves the backslash as it is.
struct Decoded {
  char byte;
  std::size_t removed;
};

/// Decodes the escape whose backslash is at element[pos]; `length` is the
/// element's length, so nothing past its end is taken.
Decoded DecodeEscape(const char* element, std::size_t pos, std::size_t length) {
  switch (element[pos + 1]) {
    case '"':
      return {'"', 1};
    case 'n':
    case 'r':
      return {'\x0D', 1};
    case 't':
      return {'\x09', 1};
    case '0':
      if (element[pos + 2] == 'x') {
        const std::size_t after = length - pos - 1;
        return {static_cast<char>(ReadHexByte(element + pos + 3)), after < 4 ? after : 4};
      }
      break;
    default:
      break;
  }
  return {'\\', 0};
}

/// Where the next backslash from `pos` on is, or `length`: plain bytes are
/// passed over, and double-byte characters whole, so the second byte of one
/// is never taken for a backslash.
std::size_t NextBackslash(const char* element, std::size_t pos, std::size_t length,
                          const Locale& locale) {
  if (!locale.HasLeadBytes()) {
    const auto* backslash =
        static_cast<const char*>(std::memchr(element + pos, '\\', length - pos));
    return backslash ? static_cast<std::size_t>(backslash - element) : length;
  }
  while (pos < length) {
    const auto c = static_cast<unsigned char>(element[pos]);
    if (c == '\\') break;
    pos += locale.IsLeadByte(c) && pos + 1 < length ? 2 : 1;
  }
  return pos;
}

}  // namespace

void DecodeLStrEscapes(char* element, const Locale& locale) {
  std::size_t length = std::strlen(element);
  std::size_t pos = 0;
  for (;;) {
    pos = NextBackslash(element, pos, length, locale);
    if (pos == length) return;
    const Decoded decoded = DecodeEscape(element, pos, length);
    if (decoded.removed > 0) {
      element[pos] = decoded.byte;
      std::memmove(element + pos + 1, element + pos + 1 + decoded.removed,
                   length - pos - decoded.removed);
      length -= decoded.removed;
    }
    if (element[pos] == '\0') return;  // a decoded zero ends the element
    // The byte the escape left; a lead byte takes the byte after it along.
    const auto settled = static_cast<unsigned char>(element[pos]);
    ++pos;
    if (locale.IsLeadByte(settled) && pos < length) ++pos;
  }
}
