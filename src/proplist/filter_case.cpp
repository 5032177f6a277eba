// FilterCaseInfo: how a filter treats each of the seven kinds of input it can
// be given. Each case becomes four bytes: input handling, output handling,
// flags and a zero byte.
#include <cstring>
#include <span>

#include "base/diagnostics.h"
#include "proplist/property_list.h"
#include "proplist/record_shapes.h"

namespace {

constexpr const char* kParser = "ParseFilterCaseInfo";
constexpr int kFilterCaseCount = 7;

}  // namespace

void PropertyList::ParseFilterCaseInfo() {
  // A handling name of `table`: a token that is no identifier and an
  // identifier the table does not hold fail differently.
  auto readHandling = [&](std::span<const NamedBits> table) {
    ExpectToken(TOK_IDENT, kParser, "Unsupported Token!");
    const NamedBits* handling = FindName(table, pToken->name);
    if (!handling) FailIn(kParser, "Unsupported Token");
    return handling->bits;
  };
  // A flag item: a number gives its low byte, an identifier gives `flagBit`
  // when it is `flagName` and nothing otherwise. Numbers are taken only where
  // `numberAllowed`.
  auto readCaseFlag = [&](const char* flagName, unsigned flagBit, bool numberAllowed) {
    GetToken();
    if (numberAllowed && pToken->eClass == TOK_NUMBER)
      return static_cast<unsigned>(pToken->value) & 0xFFu;
    if (pToken->eClass != TOK_IDENT) FailIn(kParser, "Unsupported Token!");
    return std::strcmp(pToken->name, flagName) == 0 ? flagBit : 0u;
  };
  auto expectComma = [&] { ExpectToken(TOK_COMMA, kParser, "Comma Expected"); };

  ExpectToken(TOK_LBRACE, kParser, "Open Brace Expected!");
  ExpectToken(TOK_LBRACE, kParser, "Open Brace Expected!");
  WriteVendorCode();
  out_.WriteFormatted("\t\"icif\", /* PIFilterCaseInfoProperty */\n\tRSCS32(0),\n\tRSCS32(28)");
  for (int i = 0; i < kFilterCaseCount; ++i) {
    const unsigned input = readHandling(kInputHandling);
    expectComma();
    const unsigned output = readHandling(kOutputHandling);
    expectComma();
    // The first flag item sets the byte; the second adds to it.
    unsigned flags = readCaseFlag("filtersLayerMasks", 0x04, true);
    expectComma();
    flags |= readCaseFlag("worksWithBlankData", 0x02, true);
    expectComma();
    flags |= readCaseFlag("doNotCopySourceToDestination", 0x01, false);
    out_.WriteFormatted(",\n\t\"\\x%02X\\x%02X\\x%02X\\x00\"", input, output, flags);
    // The separator after a case, or the inner list's close brace after the
    // last one, is passed over unchecked.
    GetToken();
  }
  ExpectToken(TOK_RBRACE, kParser, "CloseBrace Expected");
}
