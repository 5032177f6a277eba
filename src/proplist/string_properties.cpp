// Properties whose value is one string: a length byte before the text (Name,
// Category, the host's match name and support address) or a terminator after
// it (the entry points).
#include <cstring>

#include "base/diagnostics.h"
#include "proplist/property_list.h"
#include "proplist/string_field.h"

void PropertyList::ParseLengthPrefixed(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  ExpectToken(TOK_STRING, row.parser, "String expected!");
  const char* text = pToken->text;
  int byteCount = static_cast<int>(std::strlen(text));
  if (row.escapesAsBytes) byteCount -= CountEscapeExtras(text);
  if (byteCount > kLengthByteMost) FailIn(row.parser, "String too long");
  const StringField field = BuildLengthPrefixedField(text, byteCount);
  WriteHead(row);
  out_.WriteFormatted("%d),\n\t\"\\x%02X%s%s\", \n", field.length, byteCount, field.text, field.padding);
  ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
}

void PropertyList::ParseZeroTerminated(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  ExpectToken(TOK_STRING, row.parser, "String expected!");
  const StringField field = BuildZeroTerminatedField(pToken->text);
  WriteHead(row);
  out_.WriteFormatted("%d),\n\t\"%s%s\", \n", field.length, field.text, field.padding);
  ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
}
