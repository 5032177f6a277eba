// Size limits of a file format: the largest image it can hold and, per image
// mode, the most channels it can hold.
#include <cstdint>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/lexer.h"

namespace {

/// The length field of FormatMaxChannels is a four-digit placeholder.
constexpr long kMaxChannelsLength = 9999;

}  // namespace

void ParseFormatMaxSize() {
  ExpectToken(TOK_LBRACE, "ParseFormatMaxSize: Open Brace Expected!");
  ExpectToken(TOK_LBRACE, "ParseFormatMaxSize: Open Brace Expected!");
  const int first = ExpectSignedWord("ParseFormatMaxSize");
  ExpectToken(TOK_COMMA, "ParseFormatMaxSize: COMMA Expected");
  const int second = ExpectSignedWord("ParseFormatMaxSize");
  ExpectToken(TOK_RBRACE, "ParseFormatMaxSize: CloseBrace Expected");
  ExpectToken(TOK_RBRACE, "ParseFormatMaxSize: CloseBrace Expected");
  WriteVendorCode();
  WriteFormatted(Out(),
                 "\t\"zsxm\", /* 'mxsz' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n");
  WriteFormatted(Out(), "\t%d, %d,\n", first, second);
}

void ParseFormatMaxChannels() {
  ExpectToken(TOK_LBRACE, "ParseFormatMaxChannels: Open Brace Expected!");
  ExpectToken(TOK_LBRACE, "ParseFormatMaxChannels: Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(), "\t\"hcxm\", /* 'mxch' PIFmtMaxChannelsProperty */\n\tRSCS32(0),\n\t");
  WriteFormatted(Out(), "RSCS32(");
  const Placeholder lengthField = WritePlaceholder(Out(), "%4ld", 0);
  WriteFormatted(Out(), "),\n\t");
  long length = 0;
  for (;;) {
    ExpectToken(TOK_NUMBER, "ParseFormatMaxChannels: Number Expected");
    length += 2;
    if (length > kMaxChannelsLength) FatalError("ParseFormatMaxChannels: List too long");
    WriteFormatted(Out(), "%d, ", static_cast<int>(pToken->value));
    if (length % 8 == 0) WriteFormatted(Out(), "\n\t");
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass != TOK_COMMA) FatalError("ParseFormatMaxChannels: COMMA Expected");
  }
  ExpectToken(TOK_RBRACE, "ParseFormatMaxChannels: CloseBrace Expected");
  PatchPlaceholder(Out(), lengthField, "%4ld", length);
}
