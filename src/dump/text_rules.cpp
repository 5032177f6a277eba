// The language a dump is written for.
#include "dump/text_rules.h"

namespace dump {

TextRules::TextRules(Language language) : locale_(language) {
  sourceByte_.fill(-1);
  // Walking down leaves the lowest byte where several translate alike.
  for (int byte = 255; byte >= 0; --byte) {
    sourceByte_[locale_.StringByte(static_cast<unsigned char>(byte))] = static_cast<std::int16_t>(byte);
  }
}

TextRules RulesForOutput(const char* path) {
  return TextRules(path == nullptr ? kLocaleEnglish : DetectLocale(path));
}

}  // namespace dump
