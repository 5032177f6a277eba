// Writing bytes back as string literals of the resource description language,
// so that converting the text again gives the same bytes.
//
// Property-list strings reach the resource script as the converter read them,
// escapes and all, and the resource compiler resolves the escapes; their length
// fields count the text as written. So the text chosen for a string must not
// only compile to its bytes but also be exactly as long as the length fields
// say: the escapes are picked to make up the difference.
//
// String-list elements are decoded by the converter itself (\0xHH, \t, \r,
// \"); only their bytes matter.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/locale.h"

namespace dump {

/// How the text will be read back: the language the output file's name
/// selects for the converter.
class TextRules {
 public:
  TextRules() : TextRules(kLocaleEnglish) {}
  explicit TextRules(int language);

  /// The byte to write in a string literal so that the converter reads
  /// `byte`: itself in Japanese and Korean, otherwise the lowest Macintosh
  /// byte it translates to `byte`; -1 when none does.
  int SourceByte(std::uint8_t byte) const { return sourceByte_[byte]; }
  /// Whether `byte` begins a double-byte character (Japanese, Korean).
  bool IsLeadByte(std::uint8_t byte) const { return locale_.IsLeadByte(byte); }

 private:
  Locale locale_;
  std::array<std::int16_t, 256> sourceByte_;
};

/// The rules for an output file named `path` (null for standard output).
TextRules RulesForOutput(const char* path);

/// What a property string's length field counts.
enum class CountRule {
  kCharacters,     ///< the characters the text is written with (Name, Category, entry points, terminology)
  kEscapesAsBytes  ///< characters less the extras of its escapes (the host's match name and support address)
};

/// The text, without its quotes, that compiles to `bytes` and counts `target`
/// under `rule`; nothing when no text does (or the text would be longer than a
/// string literal may be). A negative `target` asks for the shortest count
/// any text reaches.
std::optional<std::string> PropertyStringText(std::span<const std::uint8_t> bytes,
                                              CountRule rule, int target,
                                              const TextRules& rules);

/// One string-list element as one or more adjacent quoted literals (each at
/// most as long as the lexer takes), e.g. "abc" or "..." "...".
std::string StringListElementText(std::span<const std::uint8_t> bytes, const TextRules& rules);


}  // namespace dump
