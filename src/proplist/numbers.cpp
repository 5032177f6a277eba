// Properties whose value is one 32-bit number read as an expression:
// Priority and the host family's single numbers.
#include "proplist/property_list.h"

/// The expression leaves its closing brace unread for the last check.
void PropertyList::ParseNumber(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  WriteHead(row);
  const long value = ReadExpression();
  out_.WriteFormatted("\t%ldL, \n", value);
  ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
}
