// What every property record shares.
#include "proplist/record.h"

#include <algorithm>
#include <cstring>

#include "base/diagnostics.h"
#include "proplist/property_list.h"
#include "proplist/record_shapes.h"

namespace {

/// The bits `name` stands for in `table`; 0 for a name the table does not hold.
unsigned BitsOfName(std::span<const NamedBits> table, std::string_view name) {
  const NamedBits* entry = FindName(table, name);
  return entry ? entry->bits : 0;
}

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

const NamedBits* FindName(std::span<const NamedBits> table, std::string_view name) {
  // Names of another length are passed over without comparing their text.
  for (const NamedBits& entry : table)
    if (entry.name == name) return &entry;
  return nullptr;
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

void PropertyList::ExpectFourCharLiteral(const char* parser) {
  GetToken();
  if (!lexer_.IsFourCharLiteral()) FailIn(parser, "Type expected!");
}

SignedPair PropertyList::ReadSignedPair(const char* parser) {
  auto signedWord = [&] {
    ExpectToken(TOK_NUMBER, parser, "Number Expected");
    return static_cast<int>(static_cast<int16_t>(static_cast<uint16_t>(pToken->value)));
  };
  SignedPair pair;
  pair.first = signedWord();
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  pair.second = signedWord();
  return pair;
}

unsigned PropertyList::ReadNamedFlags(const FlagList& list) {
  unsigned flags = 0;
  for (int count = 0; list.maxNames == 0 || count < list.maxNames; ++count) {
    ExpectToken(TOK_IDENT, list.parser, "Unsupported Token!");
    flags |= BitsOfName(list.names, pToken->name);
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (list.commaParser != nullptr && pToken->eClass != TOK_COMMA)
      FailIn(list.commaParser, "Comma Expected");
  }
  return flags;
}

void PropertyList::WriteVendorCode() { out_.WriteFormatted("\t\"MIK5\",\n"); }

void PropertyList::WriteCodeLine(bool reversed) {
  const char* c = pToken->code;
  if (reversed)
    out_.WriteFormatted("\t\"%c%c%c%c\", \n", c[3], c[2], c[1], c[0]);
  else
    out_.WriteFormatted("\t\"%c%c%c%c\", \n", c[0], c[1], c[2], c[3]);
}

void PropertyList::ParseLengthPrefixedProperty(const LengthPrefixedProperty& property) {
  ExpectToken(TOK_LBRACE, property.parser, "Open Brace Expected!");
  WriteVendorCode();
  ExpectToken(TOK_STRING, property.parser, "String expected!");
  StringField field = FieldFromText(pToken->text);
  int byteCount = static_cast<int>(field.size);
  if (property.shape->escapesAsBytes) byteCount -= CountEscapeExtras(field.text);
  if (byteCount > 255) FailIn(property.parser, "String too long");
  PadToWords(field, byteCount);
  out_.WriteFormatted(property.keyLine, field.length);
  out_.WriteFormatted("\t\"\\x%02X%s\", \n", byteCount, field.text);
  ExpectToken(TOK_RBRACE, property.parser, "CloseBrace Expected");
}
