// Locale selection and the character predicates the lexer is built from:
// the words of the name table, with the language's lead bytes.
#include "base/locale.h"

#include <cstring>

#include "base/name_bytes.h"
#include "base/translate.h"

namespace {

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
    const unsigned char columns = name_bytes::kColumns[static_cast<std::size_t>(byte)];
    if ((columns & name_bytes::kWordStart) || lead) flags |= kIdentStart;
    if ((columns & name_bytes::kWordChar) || lead) flags |= kIdentChar;
    byteClass_[byte] = flags;
    const auto same = static_cast<unsigned char>(byte);
    stringByte_[byte] = keepsStringBytes ? same : MacToWinChar(same);
  }
}
