// Properties of 16-bit numbers: a pair (FormatMaxSize, in braces of its own,
// and the host's interface and list versions) and a list (FormatMaxChannels:
// per image mode, the most channels a file format can hold).
#include "base/diagnostics.h"
#include "proplist/property_list.h"

namespace {

/// The length field of FormatMaxChannels is a four-digit placeholder.
constexpr long kMaxChannelsLength = 9999;

}  // namespace

/// Both items, and the braces around them, read before anything is written.
void PropertyList::ParseWordPair(const PropertyRow& row) {
  const int braces = row.nested ? 2 : 1;
  for (int i = 0; i < braces; ++i) ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  const SignedPair pair = ReadSignedPair(row.parser);
  for (int i = 0; i < braces; ++i) ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
  WriteHead(row);
  out_.WriteFormatted("\t%d, %d,\n", pair.first, pair.second);
}

void PropertyList::ParseWords(const PropertyRow& row) {
  const char* parser = row.parser;
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteHead(row);
  const Placeholder lengthField = out_.WritePlaceholder("%4ld", 0);
  out_.WriteFormatted("),\n\t");
  long length = 0;
  for (;;) {
    const int32_t channels = ReadNumber(parser, "Number Expected");
    length += 2;
    if (length > kMaxChannelsLength) FailIn(parser, "List too long");
    out_.WriteFormatted("%d, ", static_cast<int>(channels));
    if (length % 8 == 0) out_.WriteFormatted("\n\t");
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass != TOK_COMMA) FailIn(parser, "COMMA Expected");
  }
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
  out_.PatchPlaceholder(lengthField, "%4ld", length);
}
