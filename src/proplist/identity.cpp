// Identity: what kind of plug-in this is, its version and the host it
// requires, and the entry points for other processors, which are skipped.
#include <cstdint>

#include "base/diagnostics.h"
#include "proplist/property_list.h"

/// Without an open brace there is nothing to skip: the token is left for the
/// body loop.
void PropertyList::SkipUnsupported(const PropertyRow& row) {
  PrintStdout("UnSupported Property %s", row.keyword);
  GetToken();
  if (pToken->eClass == TOK_LBRACE) {
    lexer_.SkipBlock();
  } else {
    UngetToken();
  }
}

void PropertyList::ParseKind(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  GetToken();
  // The row's names are the kinds; the token is one by its class.
  const NamedBits* found = nullptr;
  for (const NamedBits& kind : row.names) {
    if (kind.token == pToken->eClass) found = &kind;
  }
  if (found == nullptr) {
    if (IsWordClass(pToken->eClass)) CheckName(NameListsOf(row).front());
    FailIn(row.parser, "Invalid Token!");
  }
  WriteHead(row);
  const std::uint32_t c = found->bits;
  // The code reversed: its last character first.
  out_.WriteFormatted("\t\"%c%c%c%c\",\n", static_cast<char>(c & 0xFF),
                      static_cast<char>((c >> 8) & 0xFF), static_cast<char>((c >> 16) & 0xFF),
                      static_cast<char>(c >> 24));
  ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
}

void PropertyList::ParseVersion(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  WriteHead(row);
  const uint32_t version = static_cast<uint32_t>(ReadExpression());
  out_.WriteFormatted("\t%d, %d, \n", static_cast<int>(version & 0xFFFFu),
                      static_cast<int>(version >> 16));
  ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
}

void PropertyList::ParseCode(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  WriteHead(row);
  ExpectFourCharLiteral(row.parser);
  WriteCodeLine(pToken->code, true);
  ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
}
