// What every property record shares: expected tokens, signed pairs, flag
// names, and the code lines.
#include "proplist/property_list.h"

#include "base/diagnostics.h"

void PropertyList::ExpectFourCharLiteral(const char* parser) {
  GetToken();
  if (!lexer_.IsFourCharLiteral()) FailIn(parser, "Type expected!");
}

PropertyList::SignedPair PropertyList::ReadSignedPair(const char* parser) {
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
  for (std::size_t count = 0; list.maxNames == 0 || count < list.maxNames; ++count) {
    ExpectToken(TOK_IDENT, list.parser, "Unsupported Token!");
    if (const NamedBits* entry = FindName(list.names, pToken->name)) flags |= entry->bits;
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (list.commaParser != nullptr && pToken->eClass != TOK_COMMA)
      FailIn(list.commaParser, "Comma Expected");
  }
  return flags;
}

void PropertyList::WriteCodeLine(const char* c, bool reversed) {
  if (reversed)
    out_.WriteFormatted("\t\"%c%c%c%c\", \n", c[3], c[2], c[1], c[0]);
  else
    out_.WriteFormatted("\t\"%c%c%c%c\", \n", c[0], c[1], c[2], c[3]);
}
