// How the pieces of a format are laid out, as printf lays them out, straight
// into room the caller has made: its runs of text, and each conversion's
// value (numbers in base 10 or 16 with their sign and padding, characters,
// strings). The caller first asks MostLength of each piece, makes that much
// room, then lays the pieces out one after the other.
//
// Everything here is declared inline, the templates too, on purpose: laid
// out where a format is written, its constant pieces fold into a few moves.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "base/script_format.h"
#include "base/short_copy.h"

namespace layout {

/// The digits of a number (at most 20) are moved in one block of this size.
inline constexpr std::size_t kDigitBlock = 24;
/// The most characters a number conversion takes besides its width: its
/// sign and its block of digits.
inline constexpr std::size_t kMostNumberLength = 1 + kDigitBlock;

/// The two decimal digits of every number below 100.
inline constexpr auto kDecimalPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t n = 0; n < 100; ++n) {
    pairs[2 * n] = static_cast<char>('0' + n / 10);
    pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
  }
  return pairs;
}();

/// A value as its conversion takes it: a C string with its length counted
/// once, a number as it is.
template <class Value>
inline auto Measured(Value value) {
  if constexpr (std::is_integral_v<Value>) return value;
  else return std::string_view(value);
}

/// The most characters `conversion` lays out for `value`.
inline std::size_t MostLength(const FormatConversion& conversion, std::string_view text) {
  return conversion.width > text.size() ? conversion.width : text.size();
}
template <class Value>
inline std::size_t MostLength(const FormatConversion& conversion, Value) {
  return conversion.width + kMostNumberLength;
}

// Each of the following lays out one piece at `out` and returns where it ends.

/// A run of the format's text.
inline char* LayOutText(char* out, std::string_view text) {
  CopyShort(out, text.data(), text.size());
  return out + text.size();
}

/// `length` bytes, padded on the left with spaces to `width`.
inline char* LayOutPadded(char* out, const char* text, std::size_t length, std::size_t width) {
  if (width > length) out = std::fill_n(out, width - length, ' ');
  CopyShort(out, text, length);
  return out + length;
}

/// `count` copies of `pad`; a short fill, the usual one, as one move of eight
/// (the number laid out after it takes more room than that).
inline char* Fill(char* out, std::size_t count, char pad) {
  if (count > 8) return std::fill_n(out, count, pad);
  std::memset(out, pad, 8);
  return out + count;
}

/// One number of a conversion: its sign and digits in `base` (lower-case
/// digits unless `upper`), padded on the left to `width` with `pad` (spaces
/// before the sign, zeros after it). Takes up to kMostNumberLength characters
/// past the width, though it ends earlier.
inline char* LayOutNumber(char* out, unsigned long long magnitude, bool negative, unsigned base,
                          bool upper, std::size_t width, char pad) {
  // The digits are laid out from the last, ending at the middle of `text`;
  // the block copied from the first of them stays within it.
  char text[2 * kDigitBlock];
  char* const last = text + kDigitBlock;
  char* first = last;
  if (base == 16) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    do {
      *--first = digits[magnitude & 15];
      magnitude >>= 4;
    } while (magnitude != 0);
  } else {
    // Two digits at a time.
    for (; magnitude >= 100; magnitude /= 100) {
      first -= 2;
      std::memcpy(first, &kDecimalPairs[2 * (magnitude % 100)], 2);
    }
    if (magnitude >= 10) {
      first -= 2;
      std::memcpy(first, &kDecimalPairs[2 * magnitude], 2);
    } else {
      *--first = static_cast<char>('0' + magnitude);
    }
  }
  const auto count = static_cast<std::size_t>(last - first);
  const std::size_t length = count + (negative ? 1 : 0);
  const std::size_t fill = width > length ? width - length : 0;
  if (pad == ' ') out = Fill(out, fill, ' ');
  if (negative) *out++ = '-';
  if (pad == '0') out = Fill(out, fill, '0');
  std::memcpy(out, first, kDigitBlock);
  return out + count;
}

/// A %s value.
inline char* LayOut(char* out, const FormatConversion& conversion, std::string_view text) {
  return LayOutPadded(out, text.data(), text.size(), conversion.width);
}

/// A %d, %x, %X or %c value, read as printf reads it for the conversion's size.
template <class Value>
inline char* LayOut(char* out, const FormatConversion& conversion, Value value) {
  const bool isLong = conversion.size == 'l';
  const bool isShort = conversion.size == 'h';
  if (conversion.kind == 'd') {
    const long long number = isLong    ? static_cast<long long>(static_cast<long>(value))
                             : isShort ? static_cast<short>(static_cast<int>(value))
                                       : static_cast<int>(value);
    const auto bits = static_cast<unsigned long long>(number);
    return LayOutNumber(out, number < 0 ? 0ull - bits : bits, number < 0, 10, false,
                        conversion.width, conversion.pad);
  }
  if (conversion.kind == 'c') {
    const char c = static_cast<char>(static_cast<int>(value));
    if (conversion.width <= 1) {
      *out = c;
      return out + 1;
    }
    return LayOutPadded(out, &c, 1, conversion.width);
  }
  const unsigned long long number =
      isLong    ? static_cast<unsigned long long>(static_cast<unsigned long>(value))
      : isShort ? static_cast<unsigned short>(static_cast<unsigned>(value))
                : static_cast<unsigned>(value);
  return LayOutNumber(out, number, false, 16, conversion.kind == 'X', conversion.width,
                      conversion.pad);
}

}  // namespace layout
