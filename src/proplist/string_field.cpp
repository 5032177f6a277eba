// The padding of property strings.
#include "proplist/string_field.h"

#include <algorithm>
#include <cstring>

namespace {

/// Appends `count` copies of the escape "\0" to the field's text.
void AppendZeroEscapes(StringField& field, int count) {
  for (int i = 0; i < count && field.size + 2 < kStringFieldSize; ++i) {
    field.text[field.size++] = '\\';
    field.text[field.size++] = '0';
  }
  field.text[field.size] = '\0';
}

/// Copies the token text into the field (it always fits: at most 257 bytes).
StringField FieldFromText(const char* text) {
  StringField field;
  field.size = std::min(std::strlen(text), kStringFieldSize - 16);
  std::memcpy(field.text, text, field.size);
  field.text[field.size] = '\0';
  return field;
}

/// Pads a field whose data is `byteCount` bytes and one byte more (a length
/// byte before them, or a terminator after them) to whole 32-bit words, and
/// sets its length.
void PadToWords(StringField& field, int byteCount) {
  const int r = (byteCount + 1) % 4;
  field.length = byteCount + 1;
  if (r != 0) {
    AppendZeroEscapes(field, 4 - r);
    field.length += 4 - r;
  }
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
  StringField field = FieldFromText(text);
  PadToWords(field, byteCount);
  return field;
}

StringField BuildZeroTerminatedField(const char* text) {
  StringField field = FieldFromText(text);
  const int byteCount = static_cast<int>(field.size);
  AppendZeroEscapes(field, 1);
  PadToWords(field, byteCount);
  return field;
}

StringField BuildTerminologyField(const char* text) {
  StringField field = FieldFromText(text);
  const int escapes = field.size % 2 == 0 ? 4 : 1;
  field.length = static_cast<int>(field.size) + escapes;
  AppendZeroEscapes(field, escapes);
  return field;
}
