// The host family's structured properties: match name and support address
// (length-prefixed strings whose escapes count as the bytes they stand for),
// the host interface and list versions, and the image-format extension data.
#include "proplist/property_list.h"
#include "proplist/record_shapes.h"

namespace {

constexpr LengthPrefixedProperty kMatchName{
    "ParseZRMatchName",
    "\t\"ANMe\",/* 'name' PINameProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n", &kMatchNameShape};
constexpr LengthPrefixedProperty kSupportURL{
    "ParseSupportURL", "\t\"LRUe\",/* 'eURL' */\n\tRSCS32(0),\n\tRSCS32(%d),\n",
    &kSupportURLShape};

// Both comments name 'eSVR': the list version's block reads as it always has.
constexpr PairProperty kSpecVersion{
    "ParseZRSpecVers",
    "\t\"RVSe\", /* 'eSVR' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n", false};
constexpr PairProperty kVorlVersion{
    "ParseZRVorlVers",
    "\t\"RVPe\", /* 'eSVR' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n", false};

/// The list ends at a close brace, or after the eleventh name and its comma.
/// Its comma messages are those of the image modes' list.
constexpr FlagList kFormatFlagList{kFormatExtensionShape.names, "ParseZRFormatExtension",
                                   "ParseSupportedModes", 11};

}  // namespace

/// Both items, and the braces around them, read before anything is written.
void PropertyList::ParsePairProperty(const PairProperty& property) {
  const int braces = property.nested ? 2 : 1;
  for (int i = 0; i < braces; ++i) ExpectToken(TOK_LBRACE, property.parser, "Open Brace Expected!");
  const SignedPair pair = ReadSignedPair(property.parser);
  for (int i = 0; i < braces; ++i) ExpectToken(TOK_RBRACE, property.parser, "CloseBrace Expected");
  WriteVendorCode();
  out_.WriteFormatted(property.keyBlock);
  out_.WriteFormatted("\t%d, %d,\n", pair.first, pair.second);
}

void PropertyList::ParseZRMatchName() { ParseLengthPrefixedProperty(kMatchName); }
void PropertyList::ParseSupportURL() { ParseLengthPrefixedProperty(kSupportURL); }
void PropertyList::ParseZRSpecVers() { ParsePairProperty(kSpecVersion); }
void PropertyList::ParseZRVorlVers() { ParsePairProperty(kVorlVersion); }

void PropertyList::ParseZRFormatExtension() {
  const char* parser = "ParseZRFormatExtension";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  const SignedPair version = ReadSignedPair(parser);
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  const long flags = ReadNamedFlags(kFormatFlagList);
  WriteVendorCode();
  out_.WriteFormatted("\t\"FMXF\", /* 'FXMF' */\n\tRSCS32(0),\n\tRSCS32(16),\n");
  out_.WriteFormatted("\t%d, %d,\n", version.first, version.second);
  out_.WriteFormatted("\t%ldL,\n", flags);
  // The signature's messages are those of the file-type pair it mirrors.
  ExpectFourCharLiteral("ParseFmtFileType");
  out_.WriteFormatted("\tRSCS32(0),\n");
  WriteCodeLine(true);
  ExpectToken(TOK_RBRACE, "ParseFmtFileType", "Close brace expected!");
}
