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

bool IsLeadByte(int byte);
bool IsIdentStart(int byte);
bool IsIdentChar(int byte);

/// Letters of the Windows code page 1252, and letters or digits.
bool IsCharAlphaA(int byte);
bool IsCharAlphaNumericA(int byte);
