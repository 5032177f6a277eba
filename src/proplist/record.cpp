// What every property record shares.
#include "proplist/record.h"

#include <cstdio>
#include <cstring>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "source/lexer.h"

OutStream* Out() { return ScriptOutput(); }

void WriteVendorCode() { WriteFormatted(Out(), "\t\"MIK5\",\n"); }

void ExpectToken(int tokenClass, const char* message) {
  GetToken();
  if (pToken->eClass != tokenClass) FatalError(message);
}

void FailIn(const char* parser, const char* what) {
  FatalErrorFormatted("%s: %s", parser, what);
}

void ExpectTokenIn(int tokenClass, const char* parser, const char* what) {
  GetToken();
  if (pToken->eClass != tokenClass) FailIn(parser, what);
}

int16_t ExpectSignedWord(const char* parser) {
  ExpectTokenIn(TOK_NUMBER, parser, "Number Expected");
  return static_cast<int16_t>(static_cast<uint16_t>(pToken->value));
}

void ExpectFourCharLiteral(const char* message) {
  GetToken();
  if (!IsFourCharLiteral()) FatalError(message);
}

void WriteCodeLine(bool reversed) {
  const char* c = pToken->code;
  if (reversed)
    WriteFormatted(Out(), "\t\"%c%c%c%c\", \n", c[3], c[2], c[1], c[0]);
  else
    WriteFormatted(Out(), "\t\"%c%c%c%c\", \n", c[0], c[1], c[2], c[3]);
}

const NamedBits* FindName(std::span<const NamedBits> table, const char* name) {
  for (const NamedBits& entry : table)
    if (std::strcmp(entry.name, name) == 0) return &entry;
  return nullptr;
}

unsigned BitsOfName(std::span<const NamedBits> table, const char* name) {
  const NamedBits* entry = FindName(table, name);
  return entry ? entry->bits : 0;
}

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

void AppendZeroEscapes(StringField& field, int count) {
  std::size_t length = std::strlen(field.text);
  for (int i = 0; i < count && length + 2 < kStringFieldSize; ++i) {
    field.text[length++] = '\\';
    field.text[length++] = '0';
  }
  field.text[length] = '\0';
}

namespace {

/// Copies the token text into the field (it always fits: at most 257 bytes).
StringField FieldFromText(const char* text) {
  StringField field;
  std::strncpy(field.text, text, kStringFieldSize - 16);
  return field;
}

}  // namespace

StringField BuildLengthPrefixedField(const char* text, int byteCount,
                                     const char* tooLongMessage) {
  if (byteCount > 255) FatalError(tooLongMessage);
  StringField field = FieldFromText(text);
  const int r = (byteCount + 1) % 4;
  field.length = byteCount + 1;
  if (r != 0) {
    AppendZeroEscapes(field, 4 - r);
    field.length += 4 - r;
  }
  return field;
}

StringField BuildZeroTerminatedField(const char* text) {
  StringField field = FieldFromText(text);
  const int n = static_cast<int>(std::strlen(field.text));
  const int r = (n + 1) % 4;
  AppendZeroEscapes(field, 1);
  field.length = n + 1;
  if (r != 0) {
    AppendZeroEscapes(field, 4 - r);
    field.length += 4 - r;
  }
  return field;
}

void ParseLengthPrefixedProperty(const LengthPrefixedProperty& property) {
  ExpectTokenIn(TOK_LBRACE, property.parser, "Open Brace Expected!");
  WriteVendorCode();
  ExpectTokenIn(TOK_STRING, property.parser, "String expected!");
  const char* text = pToken->text;
  int byteCount = static_cast<int>(std::strlen(text));
  if (property.escapesAsBytes) byteCount -= CountEscapeExtras(text);
  char tooLong[kMessageSize];
  std::snprintf(tooLong, sizeof tooLong, "%s: String too long", property.parser);
  const StringField field = BuildLengthPrefixedField(text, byteCount, tooLong);
  WriteFormatted(Out(), property.keyLine, field.length);
  WriteFormatted(Out(), "\t\"\\x%02X%s\", \n", byteCount, field.text);
  ExpectTokenIn(TOK_RBRACE, property.parser, "CloseBrace Expected");
}
