// The padding of property strings.
#include "proplist/string_field.h"

#include <cstring>

namespace {

/// Up to four "\\0" escapes: `count` of them are the last 2 * count characters.
constexpr const char kZeroEscapes[] = "\\0\\0\\0\\0";
constexpr int kMostZeroEscapes = 4;

const char* ZeroEscapes(int count) { return kZeroEscapes + 2 * (kMostZeroEscapes - count); }

/// Pads a field whose data is `byteCount` bytes and one byte more (a length
/// byte before them, or a terminator after them, written as `written`
/// escapes already) to whole 32-bit words, and sets its length.
void PadToWords(StringField& field, int byteCount, int written) {
  const int r = (byteCount + 1) % 4;
  const int padding = r != 0 ? 4 - r : 0;
  field.length = byteCount + 1 + padding;
  field.padding = ZeroEscapes(written + padding);
}

}  // namespace

int CountEscapeExtras(const char* text) {
  int extras = 0;
  for (const char* p = text; *p;) {
    if (*p != '\\') {
      ++p;
    } else if (p[1] == '\0') {
      // A backslash that ends the text stands for itself.
      ++p;
    } else if (p[1] == 'x') {
      // \x and up to two digits stand for one byte; never look past the end.
      int digits = 0;
      while (digits < 2 && p[2 + digits] != '\0') ++digits;
      extras += 1 + digits;
      p += 2 + digits;
    } else {
      extras += 1;
      p += 2;
    }
  }
  return extras;
}

StringField BuildLengthPrefixedField(const char* text, int byteCount) {
  StringField field;
  field.text = text;
  PadToWords(field, byteCount, 0);
  return field;
}

StringField BuildZeroTerminatedField(const char* text) {
  StringField field;
  field.text = text;
  PadToWords(field, static_cast<int>(std::strlen(text)), 1);
  return field;
}

StringField BuildTerminologyField(const char* text) {
  StringField field;
  field.text = text;
  const int size = static_cast<int>(std::strlen(text));
  const int escapes = size % 2 == 0 ? 4 : 1;
  field.length = size + escapes;
  field.padding = ZeroEscapes(escapes);
  return field;
}
