// FilterCaseInfo: how a filter treats each of the seven kinds of input it can
// be given. Each case becomes four bytes: input handling, output handling,
// flags and a zero byte.
#include <span>
#include <string_view>

#include "base/diagnostics.h"
#include "proplist/property_list.h"
#include "source/value.h"

void PropertyList::ParseFilterCase(const PropertyRow& row) {
  const char* parser = row.parser;
  // The lists of names of a case: input handling, output handling, then
  // one for each flag item.
  const std::span<const NameList> lists = NameListsOf(row);
  // A handling name of `list`: a token that is no identifier and an
  // identifier the list does not hold fail differently.
  auto readHandling = [&](const NameList& list) {
    ExpectToken(TOK_IDENT, parser, "Unsupported Token!");
    const NamedBits* handling = FindName(list.names, pToken->name);
    if (!handling) {
      CheckName(list);
      FailIn(parser, "Unsupported Token");
    }
    return handling->bits;
  };
  // A flag item: a number gives its low byte where the item takes one (in
  // preprocessing mode any value but a word); an identifier gives the bits
  // of the item's name it is (the clear name has none), and any other
  // identifier nothing.
  auto readCaseFlag = [&](const NameList& list) {
    GetToken();
    if (list.takesNumber && lexer_.ReadsCTokens() && pToken->eClass != TOK_IDENT) {
      UngetToken();
      return static_cast<unsigned>(ReadValue(lexer_)) & 0xFFu;
    }
    if (list.takesNumber && pToken->eClass == TOK_NUMBER)
      return static_cast<unsigned>(pToken->value) & 0xFFu;
    if (pToken->eClass != TOK_IDENT) FailIn(parser, "Unsupported Token!");
    const NamedBits* named = FindName(list.names, pToken->name);
    if (named) return named->bits;
    CheckName(list);
    return 0u;
  };
  auto expectComma = [&] { ExpectToken(TOK_COMMA, parser, "Comma Expected"); };

  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteHead(row);
  for (int i = 0; i < kFilterCaseCount; ++i) {
    const unsigned input = readHandling(lists[0]);
    expectComma();
    const unsigned output = readHandling(lists[1]);
    // The first flag item sets the byte; the others add to it.
    unsigned flags = 0;
    for (const NameList& flagItem : lists.subspan(2)) {
      expectComma();
      flags |= readCaseFlag(flagItem);
    }
    if (i > 0) out_.WriteFormatted(",\n");
    out_.WriteFormatted("\t\"\\x%02X\\x%02X\\x%02X\\x00\"", input, output, flags);
    // The separator after a case, or the inner list's close brace after the
    // last one, is passed over unchecked.
    GetToken();
  }
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
}
