// Locale selection and the character predicates the lexer is built from.
#include "base/locale.h"

#include <cstring>

#include "base/translate.h"

namespace {

/// Letters of code page 1252 above 127: the accented letters and the few
/// letters placed among the punctuation rows.
bool IsHighLetter(int byte) {
  switch (byte) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E:
    case 0x9F: case 0xAA: case 0xB5: case 0xBA:
      return true;
    default:
      return (byte >= 0xC0 && byte <= 0xFF) && byte != 0xD7 && byte != 0xF7;
  }
}

struct LocaleName {
  const char* word;
  Language locale;
};

// Compared in this order; no other word names a language.
constexpr LocaleName kLocaleNames[] = {
    {"JAPANESE", kLocaleJapanese}, {"GERMAN", kLocaleGerman},   {"FRENCH", kLocaleFrench},
    {"SPANISH", kLocaleSpanish},   {"ITALIAN", kLocaleItalian}, {"KOREAN", kLocaleKorean},
};

/// Whether two texts are equal when ASCII letters are compared without case.
bool EqualIgnoringCase(const char* a, const char* b) {
  auto fold = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
  for (; *a && *b; ++a, ++b)
    if (fold(static_cast<unsigned char>(*a)) != fold(static_cast<unsigned char>(*b))) return false;
  return *a == *b;
}

}  // namespace

bool IsCharAlphaA(int byte) {
  byte &= 0xFF;
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
  return byte >= 0x80 && IsHighLetter(byte);
}

bool IsCharAlphaNumericA(int byte) {
  byte &= 0xFF;
  return (byte >= '0' && byte <= '9') || IsCharAlphaA(byte);
}

Language DetectLocale(const char* path) {
  const std::size_t length = std::strlen(path);
  if (length >= 512) return kLocaleEnglish;
  char copy[512];
  std::memcpy(copy, path, length + 1);
  const char* suffix = nullptr;
  // The first character is never examined; full stops after the last
  // underscore are cut off, directory separators are not special.
  for (std::size_t i = length; i-- > 1;) {
    if (copy[i] == '.') {
      copy[i] = '\0';
    } else if (copy[i] == '_') {
      suffix = copy + i + 1;
      break;
    }
  }
  if (!suffix) return kLocaleEnglish;
  for (const LocaleName& name : kLocaleNames)
    if (EqualIgnoringCase(suffix, name.word)) return name.locale;
  return kLocaleEnglish;
}

Locale::Locale(Language language) {
  const bool doubleByte =
      language == kLocaleJapanese || language == kLocaleChinese || language == kLocaleKorean;
  const bool keepsStringBytes = language == kLocaleJapanese || language == kLocaleKorean;
  hasLeadBytes_ = doubleByte;
  for (int byte = 0; byte < 256; ++byte) {
    const bool lead =
        doubleByte && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xEF));
    unsigned char flags = 0;
    if (lead) flags |= kLeadByte;
    if (IsCharAlphaA(byte) || lead) flags |= kIdentStart;
    if (IsCharAlphaNumericA(byte) || lead) flags |= kIdentChar;
    byteClass_[byte] = flags;
    const auto same = static_cast<unsigned char>(byte);
    stringByte_[byte] = keepsStringBytes ? same : MacToWinChar(same);
  }
}
