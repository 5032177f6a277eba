// C's integer constants, as #if and the values of preprocessing mode read
// them: 0x or 0X for hexadecimal, 0b or 0B for binary, 0o or 0O or a leading
// 0 for octal, decimal otherwise; suffixes u and l or ll, in any order.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

/// The value of each byte as a digit, up to 35 for z; 99 for a byte that is
/// no digit of any base.
inline constexpr auto kDigitValue = [] {
  std::array<uint8_t, 256> values{};
  values.fill(99);
  for (int c = '0'; c <= '9'; ++c) values[static_cast<std::size_t>(c)] = static_cast<uint8_t>(c - '0');
  for (int c = 'a'; c <= 'z'; ++c) values[static_cast<std::size_t>(c)] = static_cast<uint8_t>(c - 'a' + 10);
  for (int c = 'A'; c <= 'Z'; ++c) values[static_cast<std::size_t>(c)] = static_cast<uint8_t>(c - 'A' + 10);
  return values;
}();

struct IntegerLiteral {
  enum class Form : uint8_t {
    kValid,
    kTooLarge,   ///< more than 64 bits
    kMalformed,  ///< no integer constant (a digit out of its base, a suffix unknown, 1.5)
  };
  Form form = Form::kValid;
  uint64_t value = 0;
  /// A suffix u makes it unsigned.
  bool unsignedSuffix = false;
};

/// The integer constant spelt `spelling` (a preprocessing number).
IntegerLiteral ReadIntegerLiteral(std::string_view spelling);
