// Locale selection: the input's language, read from its file name suffix,
// decides how bytes from 128 up are lexed and whether strings are translated.
#pragma once

/// The language of an input, which its file name suffix names.
enum Language : int {
  kLocaleEnglish = 0,
  kLocaleJapanese = 1,
  kLocaleChinese = 2,
  kLocaleKorean = 3,
  kLocaleFrench = 4,
  kLocaleGerman = 5,
  kLocaleSpanish = 6,
  kLocaleItalian = 8,
};

/// The language named by the suffix after the last underscore of the path.
Language DetectLocale(const char* path);

/// The predicates of one language, each answered by one table lookup: the
/// lexer asks for nearly every byte.
class Locale {
 public:
  /// Selects the language's predicates (English for any unknown value).
  explicit Locale(Language language = kLocaleEnglish);

  /// The first byte of a double-byte character (Japanese, Chinese, Korean).
  bool IsLeadByte(int byte) const { return byteClass_[byte & 0xFF] & kLeadByte; }
  /// Whether the language has double-byte characters at all.
  bool HasLeadBytes() const { return hasLeadBytes_; }
  /// A byte that begins an identifier: a letter, _, or a lead byte.
  bool IsIdentStart(int byte) const { return byteClass_[byte & 0xFF] & kIdentStart; }
  /// A byte that continues an identifier: a letter, _, a digit, or a lead byte.
  bool IsIdentChar(int byte) const { return byteClass_[byte & 0xFF] & kIdentChar; }

  /// A byte of a string literal as the script holds it: MacToWinChar of it,
  /// except in Japanese and Korean, whose bytes stay as written.
  unsigned char StringByte(unsigned char byte) const { return stringByte_[byte]; }

 private:
  enum ByteClass : unsigned char { kLeadByte = 1, kIdentStart = 2, kIdentChar = 4 };

  unsigned char byteClass_[256];
  unsigned char stringByte_[256];
  bool hasLeadBytes_ = false;
};
