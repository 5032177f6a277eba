// Numbers, codes and name lists as the description language writes them.
#include "dump/record_text.h"

#include <cstdio>
#include <cstring>

namespace dump {

std::string FormatNumber(const char* format, std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
  return text;
}

std::string Number32(std::uint32_t value, NumberStyle style) {
  const auto signedValue = static_cast<std::int32_t>(value);
  if (value == 0) return "0";
  if (style == NumberStyle::kHex) return FormatNumber("0x%08X", value);
  if (signedValue > 0) return std::to_string(signedValue);
  // The reader negates what follows a minus; the smallest value has no
  // positive counterpart and is written in hex.
  if (value == 0x80000000u) return "0x80000000";
  return "-" + std::to_string(-static_cast<std::int64_t>(signedValue));
}

std::optional<std::string> CodeLiteral(const std::uint8_t* bytes, bool reversed,
                                       const TextRules& rules) {
  std::string text = "'";
  for (int i = 0; i < 4; ++i) {
    const std::uint8_t c = bytes[reversed ? 3 - i : i];
    // Nothing that would end the literal early or mean something in the script.
    if (c < 0x20 || c == 0x7F || std::strchr("'\"\\", c)) return std::nullopt;
    // A double-byte lead byte would take the closing quote along.
    if (i == 3 && rules.IsLeadByte(c)) return std::nullopt;
    text += static_cast<char>(c);
  }
  return text + "'";
}

std::optional<std::string> FlagNames(std::span<const NamedBits> table, std::uint32_t bits) {
  std::string text;
  std::uint32_t named = 0;
  for (const NamedBits& entry : table) {
    named |= entry.bits;
    if ((bits & entry.bits) != entry.bits) continue;
    if (!text.empty()) text += ", ";
    text += entry.name;
  }
  if (bits & ~named) return std::nullopt;
  if (text.empty()) text = "none";
  return text;
}

const char* NameOf(std::span<const NamedBits> table, std::uint32_t value) {
  for (const NamedBits& entry : table) {
    if (entry.bits == value) return entry.name.data();
  }
  return nullptr;
}

}  // namespace dump
