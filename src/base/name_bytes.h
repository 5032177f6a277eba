// Which bytes begin and continue a name, in one table. There are two rules,
// each written once here and read by all who need it:
//
// - a word of the description language (the lexer's): a letter of the
//   Windows code page 1252 or _, then those or digits; a language with
//   double-byte characters adds its lead bytes (the locale's predicates);
// - a C name (preprocessing mode's stage and the -D and -U options): a
//   letter, _, $ or any byte from 128 up (the letters of other alphabets,
//   and double-byte characters), then those or digits.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace name_bytes {

enum Column : unsigned char {
  kWordStart = 1,   ///< begins a word: a letter of code page 1252 (ASCII's and the accented ones) or _
  kWordChar = 2,    ///< continues a word: one that begins it, or a digit
  kCNameStart = 4,  ///< begins a C name: an ASCII letter, _, $ or a byte from 128 up
  kCNameChar = 8,   ///< continues a C name: one that begins it, or a digit
};

/// Letters of code page 1252 above 127: the accented letters and the few
/// letters placed among the punctuation rows.
constexpr bool IsHighLetter(int byte) {
  switch (byte) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E:
    case 0x9F: case 0xAA: case 0xB5: case 0xBA:
      return true;
    default:
      return (byte >= 0xC0 && byte <= 0xFF) && byte != 0xD7 && byte != 0xF7;
  }
}

inline constexpr std::array<unsigned char, 256> kColumns = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    const bool ascii = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    const bool letter = ascii || IsHighLetter(c);
    const bool cStart = ascii || c == '_' || c == '$' || c >= 128;
    unsigned char columns = 0;
    if (letter || c == '_') columns |= kWordStart;
    if (letter || c == '_' || digit) columns |= kWordChar;
    if (cStart) columns |= kCNameStart;
    if (cStart || digit) columns |= kCNameChar;
    table[static_cast<std::size_t>(c)] = columns;
  }
  return table;
}();

}  // namespace name_bytes

/// A byte that may begin a C name.
constexpr bool IsNameStart(unsigned char c) { return name_bytes::kColumns[c] & name_bytes::kCNameStart; }
/// A byte that may continue a C name: one that may begin it, or a digit.
constexpr bool IsNameChar(unsigned char c) { return name_bytes::kColumns[c] & name_bytes::kCNameChar; }

/// Whether byte `c` goes on a preprocessing number whose last byte is
/// `last`: a digit, a letter, _, a full stop, or a sign after e, E, p or P.
constexpr bool ContinuesNumber(unsigned char last, unsigned char c) {
  return IsNameChar(c) || c == '.' ||
         ((c == '+' || c == '-') && (last == 'e' || last == 'E' || last == 'p' || last == 'P'));
}

/// The length of the C name at the start of `text` (0 when none begins
/// there). The second byte of a double-byte character (`isLeadByte`)
/// belongs to the name whatever it is.
template <class LeadBytes>
std::size_t NameLength(std::string_view text, const LeadBytes& isLeadByte) {
  if (text.empty() || !IsNameStart(static_cast<unsigned char>(text[0]))) return 0;
  std::size_t length = 0;
  while (length < text.size() && IsNameChar(static_cast<unsigned char>(text[length]))) {
    const auto c = static_cast<unsigned char>(text[length]);
    length += c >= 0x80 && isLeadByte(c) && length + 1 < text.size() ? 2 : 1;
  }
  return length;
}

/// Whether all of `text` is one C name (a macro's name on the command line).
template <class LeadBytes>
bool IsName(std::string_view text, const LeadBytes& isLeadByte) {
  return !text.empty() && NameLength(text, isLeadByte) == text.size();
}
