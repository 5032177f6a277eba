// FilterCaseInfo: how a filter treats each of the seven kinds of input it can
// be given. Each case becomes four bytes: input handling, output handling,
// flags and a zero byte.
#include <span>
#include <string_view>

#include "base/diagnostics.h"
#include "proplist/property_list.h"

void PropertyList::ParseFilterCase(const PropertyRow& row) {
  const char* parser = row.parser;
  // A handling name of `table`: a token that is no identifier and an
  // identifier the table does not hold fail differently.
  auto readHandling = [&](std::span<const NamedBits> table) {
    ExpectToken(TOK_IDENT, parser, "Unsupported Token!");
    const NamedBits* handling = FindName(table, pToken->name);
    if (!handling) FailIn(parser, "Unsupported Token");
    return handling->bits;
  };
  // A flag item: a number gives its low byte where the item takes one; an
  // identifier gives the bits of the item's name it is (the clear name has
  // none), and any other identifier nothing.
  auto readCaseFlag = [&](const CaseFlag& flag) {
    GetToken();
    if (flag.takesNumber && pToken->eClass == TOK_NUMBER)
      return static_cast<unsigned>(pToken->value) & 0xFFu;
    if (pToken->eClass != TOK_IDENT) FailIn(parser, "Unsupported Token!");
    const NamedBits* named = FindName(flag.names, pToken->name);
    return named ? named->bits : 0u;
  };
  auto expectComma = [&] { ExpectToken(TOK_COMMA, parser, "Comma Expected"); };

  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteHead(row);
  for (int i = 0; i < kFilterCaseCount; ++i) {
    const unsigned input = readHandling(kInputHandling);
    expectComma();
    const unsigned output = readHandling(kOutputHandling);
    // The first flag item sets the byte; the others add to it.
    unsigned flags = 0;
    for (const CaseFlag& flag : kCaseFlags) {
      expectComma();
      flags |= readCaseFlag(flag);
    }
    if (i > 0) out_.WriteFormatted(",\n");
    out_.WriteFormatted("\t\"\\x%02X\\x%02X\\x%02X\\x00\"", input, output, flags);
    // The separator after a case, or the inner list's close brace after the
    // last one, is passed over unchecked.
    GetToken();
  }
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
}
