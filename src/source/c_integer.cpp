// C's integer constants.
#include "source/c_integer.h"

namespace {

/// Below this a value takes one more digit of any base up to 16 without
/// passing 64 bits.
constexpr uint64_t kSafeBeforeDigit = UINT64_MAX >> 5;

}  // namespace

IntegerLiteral ReadIntegerLiteral(std::string_view text) {
  IntegerLiteral literal;
  std::size_t pos = 0;
  uint64_t base = 10;
  if (text.size() > 1 && text[0] == '0') {
    const char prefix = text[1];
    base = 8;
    if (prefix == 'x' || prefix == 'X') base = 16;
    else if (prefix == 'b' || prefix == 'B') base = 2;
    if (base != 8 || prefix == 'o' || prefix == 'O') pos = 2;
  }
  const std::size_t firstDigit = pos;
  for (; pos < text.size(); ++pos) {
    const uint64_t digit = kDigitValue[static_cast<unsigned char>(text[pos])];
    if (digit >= base) break;
    if (literal.value >= kSafeBeforeDigit && literal.value > (UINT64_MAX - digit) / base)
      literal.form = IntegerLiteral::Form::kTooLarge;
    literal.value = literal.value * base + digit;
  }
  // A prefix needs a digit after it; a lone 0 is octal, with none.
  if (pos == firstDigit && firstDigit != 0) literal.form = IntegerLiteral::Form::kMalformed;
  bool sawLong = false;
  while (pos < text.size()) {
    const char c = text[pos];
    if ((c == 'u' || c == 'U') && !literal.unsignedSuffix) {
      literal.unsignedSuffix = true;
      ++pos;
    } else if ((c == 'l' || c == 'L') && !sawLong) {
      sawLong = true;
      ++pos;
      if (pos < text.size() && text[pos] == c) ++pos;
    } else {
      literal.form = IntegerLiteral::Form::kMalformed;
      break;
    }
  }
  return literal;
}
