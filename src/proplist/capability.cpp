// Size limits of a file format: the largest image it can hold and, per image
// mode, the most channels it can hold.
#include "base/diagnostics.h"
#include "proplist/property_list.h"

namespace {

/// The length field of FormatMaxChannels is a four-digit placeholder.
constexpr long kMaxChannelsLength = 9999;

/// Width and height, in braces of their own.
constexpr PairProperty kFormatMaxSize{
    "ParseFormatMaxSize",
    "\t\"zsxm\", /* 'mxsz' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n", true};

}  // namespace

void PropertyList::ParseFormatMaxSize() { ParsePairProperty(kFormatMaxSize); }

void PropertyList::ParseFormatMaxChannels() {
  const char* parser = "ParseFormatMaxChannels";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteVendorCode();
  out_.WriteFormatted("\t\"hcxm\", /* 'mxch' PIFmtMaxChannelsProperty */\n\tRSCS32(0),\n\t");
  out_.WriteFormatted("RSCS32(");
  const Placeholder lengthField = out_.WritePlaceholder("%4ld", 0);
  out_.WriteFormatted("),\n\t");
  long length = 0;
  for (;;) {
    ExpectToken(TOK_NUMBER, parser, "Number Expected");
    length += 2;
    if (length > kMaxChannelsLength) FailIn(parser, "List too long");
    out_.WriteFormatted("%d, ", static_cast<int>(pToken->value));
    if (length % 8 == 0) out_.WriteFormatted("\n\t");
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass != TOK_COMMA) FailIn(parser, "COMMA Expected");
  }
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
  out_.PatchPlaceholder(lengthField, "%4ld", length);
}
