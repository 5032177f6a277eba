// Locale selection: the input's language, read from its file name suffix,
// decides how bytes from 128 up are lexed and whether strings are translated.
#pragma once

enum Locale : int {
  kLocaleEnglish = 0,
  kLocaleJapanese = 1,
  kLocaleChinese = 2,
  kLocaleKorean = 3,
  kLocaleFrench = 4,
  kLocaleGerman = 5,
  kLocaleSpanish = 6,
  kLocalePortuguese = 7,
  kLocaleItalian = 8,
};

/// The language named by the suffix after the last underscore of the path.
int DetectLocale(const char* path);
/// Installs the predicates of the language (English for any unknown value).
void SelectLocale(int locale);
int CurrentLocale();

/// What each byte is under the selected locale, filled by SelectLocale: the
/// lexer asks for nearly every byte, so the answer is one table lookup.
enum ByteClass : unsigned char { kLeadByte = 1, kIdentStart = 2, kIdentChar = 4 };
extern unsigned char gByteClass[256];

/// The first byte of a double-byte character (Japanese, Chinese, Korean).
inline bool IsLeadByte(int byte) { return gByteClass[byte & 0xFF] & kLeadByte; }
/// A byte that begins an identifier: a letter, or a lead byte.
inline bool IsIdentStart(int byte) { return gByteClass[byte & 0xFF] & kIdentStart; }
/// A byte that continues an identifier: a letter, a digit, or a lead byte.
inline bool IsIdentChar(int byte) { return gByteClass[byte & 0xFF] & kIdentChar; }

/// Letters of the Windows code page 1252, and letters or digits.
bool IsCharAlphaA(int byte);
bool IsCharAlphaNumericA(int byte);
