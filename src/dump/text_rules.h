// How the text VorlDump writes will be read back: the language the output
// file's name selects for the converter decides which bytes begin a
// double-byte character and how the bytes of a string literal translate.
#pragma once

#include <array>
#include <cstdint>

#include "base/locale.h"

namespace dump {

/// How the text will be read back: the language the output file's name
/// selects for the converter.
class TextRules {
 public:
  TextRules() : TextRules(kLocaleEnglish) {}
  explicit TextRules(Language language);

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

}  // namespace dump
