// Preprocessing tokens, as C's preprocessor sorts the text of a line, and
// what keeps two of them apart when they are written out.
//
// A token does not own its spelling: it points into the line it was read
// from, into a macro's definition, or into text the preprocessor made (a
// stringized argument, a pasted token), all of which outlive it.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/name_bytes.h"

enum class PpKind : uint8_t {
  kIdentifier,
  kNumber,      ///< a preprocessing number: 12, 0x1F, 1.5e+3, 0X1F, 12abc
  kCharacter,   ///< 'x', L'x'
  kString,      ///< "text", L"text"
  kPunctuator,  ///< + <<= ## ... and the rest of C's punctuators
  kOther,       ///< any other byte, and a quote that its line does not close (to the line's end)
  kNewline,     ///< the end of a line of the file (never inside a macro's text)
  kEnd,         ///< nothing more to read
  kPlacemarker, ///< an empty argument beside ##, gone before the expansion is rescanned
};

struct PpToken {
  std::string_view text;
  /// The white space before it, as it is written out: the blanks between
  /// it and the token before it on its line, " " where a comment or a line
  /// end stood between them, or "" when they touch.
  std::string_view leading;
  /// The names of the macros whose replacement it came from: it is never
  /// replaced by one of them again.
  uint32_t hideSet = 0;
  /// The line of the file it stands on, or of the macro's use it came from.
  int32_t line = 0;
  PpKind kind = PpKind::kEnd;
  /// The first token of its line: a # there begins a directive.
  bool startsLine = false;

  bool IsPunctuator(std::string_view spelling) const {
    return kind == PpKind::kPunctuator && text == spelling;
  }
  /// # (or its other spelling %:): a directive's start, or stringizing.
  bool IsHash() const { return kind == PpKind::kPunctuator && (text == "#" || text == "%:"); }
  /// ## (or %:%:): pasting.
  bool IsHashHash() const {
    return kind == PpKind::kPunctuator && (text == "##" || text == "%:%:");
  }
};

/// Whether text ending in `last` and text beginning with `next`, written
/// touching, would be read as one by the lexer: two words or numbers, a
/// number ending in e, E, p or P and a sign (one number to C), or a / and
/// what would make it a comment. Where they would, a blank goes between.
constexpr bool WouldJoin(unsigned char last, unsigned char next) {
  return (IsNameChar(last) && IsNameChar(next)) || (last == '/' && (next == '/' || next == '*')) ||
         ((next == '+' || next == '-') && ContinuesNumber(last, next));
}
/// Whether `text`, written right after `written`, needs a blank before it.
constexpr bool NeedsBlankBefore(std::string_view written, std::string_view text) {
  return !written.empty() && !text.empty() &&
         WouldJoin(static_cast<unsigned char>(written.back()), static_cast<unsigned char>(text.front()));
}
