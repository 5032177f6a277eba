// FilterCaseInfo: how a filter treats each of the seven kinds of input it can
// be given. Each case becomes four bytes: input handling, output handling,
// flags and a zero byte.
#include <cstdio>
#include <cstring>
#include <span>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/lexer.h"

namespace {

constexpr int kFilterCaseCount = 7;

constexpr NamedBits kInputHandling[] = {
    {"inCantFilter", 0x00},    {"inStraightData", 0x01}, {"inBlackMat", 0x02},
    {"inGrayMat", 0x03},       {"inWhiteMat", 0x04},     {"inDefringe", 0x05},
    {"inBlackZap", 0x06},      {"inGrayZap", 0x07},      {"inWhiteZap", 0x08},
    {"inBackgroundZap", 0x0A}, {"inForegroundZap", 0x0B},
};

constexpr NamedBits kOutputHandling[] = {
    {"outCantFilter", 0x00}, {"outStraightData", 0x01}, {"outBlackMat", 0x02},
    {"outGrayMat", 0x03},    {"outWhiteMat", 0x04},     {"outFillMask", 0x09},
};

/// Reads a handling name of `table` and returns its byte. A token that is no
/// identifier and an identifier the table does not hold fail differently.
unsigned ReadHandling(std::span<const NamedBits> table) {
  ExpectToken(TOK_IDENT, "ParseFilterCaseInfo: Unsupported Token!");
  const NamedBits* handling = FindName(table, pToken->name);
  if (!handling) FatalError("ParseFilterCaseInfo: Unsupported Token");
  return handling->bits;
}

/// Reads a flag item: a number gives its low byte, an identifier gives
/// `flagBit` when it is `flagName` and nothing otherwise. Numbers are taken
/// only where `numberAllowed`.
unsigned ReadCaseFlag(const char* flagName, unsigned flagBit, bool numberAllowed) {
  GetToken();
  if (numberAllowed && pToken->eClass == TOK_NUMBER) {
    return static_cast<unsigned>(pToken->value) & 0xFFu;
  }
  if (pToken->eClass != TOK_IDENT) FatalError("ParseFilterCaseInfo: Unsupported Token!");
  return std::strcmp(pToken->name, flagName) == 0 ? flagBit : 0;
}

void ExpectCaseComma() { ExpectToken(TOK_COMMA, "ParseFilterCaseInfo: Comma Expected"); }

}  // namespace

void ParseFilterCaseInfo() {
  ExpectToken(TOK_LBRACE, "ParseFilterCaseInfo: Open Brace Expected!");
  ExpectToken(TOK_LBRACE, "ParseFilterCaseInfo: Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(), "\t\"icif\", /* PIFilterCaseInfoProperty */\n\tRSCS32(0),\n\tRSCS32(28)");
  for (int i = 0; i < kFilterCaseCount; ++i) {
    const unsigned input = ReadHandling(kInputHandling);
    ExpectCaseComma();
    const unsigned output = ReadHandling(kOutputHandling);
    ExpectCaseComma();
    // The first flag item sets the byte; the second adds to it.
    unsigned flags = ReadCaseFlag("filtersLayerMasks", 0x04, true);
    ExpectCaseComma();
    flags |= ReadCaseFlag("worksWithBlankData", 0x02, true);
    ExpectCaseComma();
    flags |= ReadCaseFlag("doNotCopySourceToDestination", 0x01, false);
    char caseText[32];
    std::snprintf(caseText, sizeof caseText, "\\x%02X\\x%02X\\x%02X\\x00", input, output,
                  flags);
    WriteFormatted(Out(), ",\n\t\"%s\"", caseText);
    // The separator after a case, or the inner list's close brace after the
    // last one, is passed over unchecked.
    GetToken();
  }
  ExpectToken(TOK_RBRACE, "ParseFilterCaseInfo: CloseBrace Expected");
}
