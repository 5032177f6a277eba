// Small pieces of text the record decoders share: numbers, codes, name lists.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "proplist/property_rows.h"
#include "dump/text_rules.h"

namespace dump {

/// A 32-bit value as the expression reader takes it back: decimal, a minus
/// sign for negative values; in hex style 0x and eight digits (0 stays 0).
std::string Number32(std::uint32_t value, NumberStyle style);

/// The four bytes at `bytes` as a four-character literal ('TEXT'), reversed
/// when the block stores the code reversed; nothing when a character cannot
/// stand in a literal (a quote, a backslash, a control byte).
std::optional<std::string> CodeLiteral(const std::uint8_t* bytes, bool reversed,
                                       const TextRules& rules);

/// The names of `table` whose values are all set in `bits`, joined by ", ";
/// "none" when none is (the lists take at least one identifier, and one
/// outside the table sets nothing). Nothing when `bits` holds a bit no name
/// stands for.
std::optional<std::string> FlagNames(std::span<const NamedBits> table, std::uint32_t bits);

/// The name of `table` for `value`, or null.
const char* NameOf(std::span<const NamedBits> table, std::uint32_t value);

/// One unsigned number in a printf format of its own: "0x%02X", "\\%03o"
/// and the like.
std::string FormatNumber(const char* format, std::uint32_t value);

}  // namespace dump
