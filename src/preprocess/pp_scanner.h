// The scanner of C preprocessing tokens: what begins at a point of a line
// (white space, a comment, or one token) and how far it reaches. Directives,
// macro expansion, #if and the command line's macro names all read text
// through it, so a token ends in the same place for each of them.
//
// It follows C, with the language's double-byte characters kept whole: a
// lead byte takes the byte after it along, so a second byte that is a quote,
// a backslash or a * ends nothing and escapes nothing. Inside a string a
// second byte that is a backslash may be written doubled, as the plain
// reading of strings allows, and both backslashes belong to the character.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/locale.h"
#include "preprocess/byte_set.h"
#include "preprocess/pp_token.h"

class PpScanner {
 public:
  /// What begins at the point scanned.
  enum class Piece : unsigned char {
    kSpace,        ///< blanks, tabs, form feeds, vertical tabs, carriage returns
    kComment,      ///< a whole comment: /* ... */, or // to the end of the text
    kOpenComment,  ///< a /* that the text does not close
    kToken,        ///< one preprocessing token
  };
  struct Scanned {
    Piece piece;
    PpKind kind;  ///< of a token
    std::size_t length;
  };

  explicit PpScanner(const Locale& locale);

  /// Scans what begins at the first byte of `text` (one line, without its
  /// line end; not empty).
  Scanned Scan(std::string_view text) const {
    const auto c = static_cast<unsigned char>(text[0]);
    switch (kByteClass[c]) {
      case kSpaceByte: {
        std::size_t length = 1;
        while (length < text.size() && kByteClass[static_cast<unsigned char>(text[length])] == kSpaceByte)
          ++length;
        return {Piece::kSpace, PpKind::kOther, length};
      }
      case kNameByte:
        return ScanName(text);
      case kDigitByte:
        return {Piece::kToken, PpKind::kNumber, NumberLength(text)};
      case kQuoteByte:
        return ScanQuoted(text, 0);
      case kSlashByte:
        return ScanSlash(text);
      case kDotByte:
        if (text.size() > 1 && text[1] >= '0' && text[1] <= '9')
          return {Piece::kToken, PpKind::kNumber, NumberLength(text)};
        return ScanPunctuator(text);
      case kPunctuatorByte:
        return ScanPunctuator(text);
      default:
        return {Piece::kToken, PpKind::kOther, 1};
    }
  }

  /// The length of `text` up to and including the */ that closes a block
  /// comment begun before it, or npos when the text does not close it.
  std::size_t CommentEnd(std::string_view text) const;

  /// Whether the line ends in a backslash that joins the next line to it: a
  /// backslash that is not the second byte of a double-byte character.
  bool EndsInSplice(std::string_view line) const;

  bool IsLeadByte(unsigned char c) const { return locale_.IsLeadByte(c); }

  /// A blank: a space, a tab, a form feed, a vertical tab, a carriage return.
  static bool IsBlank(unsigned char c) { return kByteClass[c] == kSpaceByte; }

  /// A string or character prefix (L, u, U, u8) before its quote belongs to
  /// the literal: no name stands there.
  static bool IsLiteralPrefix(std::string_view name, char quote) {
    if (quote == '"') return name == "L" || name == "u" || name == "U" || name == "u8";
    return quote == '\'' && (name == "L" || name == "u" || name == "U");
  }

 private:
  enum ByteClass : unsigned char {
    kOtherByte,
    kSpaceByte,
    kNameByte,
    kDigitByte,
    kQuoteByte,
    kSlashByte,
    kDotByte,
    kPunctuatorByte,
  };
  static constexpr std::array<ByteClass, 256> kByteClass = [] {
    std::array<ByteClass, 256> classes{};
    for (int c = 0; c < 256; ++c) {
      if (IsNameStart(static_cast<unsigned char>(c))) classes[c] = kNameByte;
    }
    for (const char c : std::string_view(" \t\f\v\r")) classes[static_cast<unsigned char>(c)] = kSpaceByte;
    for (int c = '0'; c <= '9'; ++c) classes[c] = kDigitByte;
    classes['"'] = classes['\''] = kQuoteByte;
    classes['/'] = kSlashByte;
    classes['.'] = kDotByte;
    for (const char c : std::string_view("[](){}&*+-~!%<>^|?:;=,#"))
      classes[static_cast<unsigned char>(c)] = kPunctuatorByte;
    return classes;
  }();

  Scanned ScanName(std::string_view text) const {
    const std::size_t length = NameLength(text, [this](unsigned char b) { return locale_.IsLeadByte(b); });
    if (length < text.size() && IsLiteralPrefix(text.substr(0, length), text[length]))
      return ScanQuoted(text, length);
    return {Piece::kToken, PpKind::kIdentifier, length};
  }
  /// A character constant or string literal whose quote is at `quote`
  /// (after a prefix such as L); to the end of the text when not closed.
  Scanned ScanQuoted(std::string_view text, std::size_t quote) const;
  Scanned ScanSlash(std::string_view text) const;
  static Scanned ScanPunctuator(std::string_view text);
  std::size_t NumberLength(std::string_view text) const;

  const Locale& locale_;
  /// The bytes that may end or escape something inside quotes.
  ByteSearch literalStops_;
};
