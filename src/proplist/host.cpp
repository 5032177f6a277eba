// The host family's structured properties: match name and support address
// (length-prefixed strings whose escapes count as the bytes they stand for),
// the host interface and list versions, and the image-format extension data.
#include "proplist/property_list.h"
#include "proplist/record_shapes.h"

/// A version property of the host: major and minor, with its key block.
struct HostVersion {
  const char* parser;
  ScriptFormat<> keyBlock;
};

namespace {

constexpr LengthPrefixedProperty kMatchName{
    "ParseZRMatchName",
    "\t\"ANMe\",/* 'name' PINameProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n", &kMatchNameShape};
constexpr LengthPrefixedProperty kSupportURL{
    "ParseSupportURL", "\t\"LRUe\",/* 'eURL' */\n\tRSCS32(0),\n\tRSCS32(%d),\n",
    &kSupportURLShape};

// Both comments name 'eSVR': the list version's block reads as it always has.
constexpr HostVersion kSpecVersion{
    "ParseZRSpecVers",
    "\t\"RVSe\", /* 'eSVR' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};
constexpr HostVersion kVorlVersion{
    "ParseZRVorlVers",
    "\t\"RVPe\", /* 'eSVR' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

/// The list ends at a close brace, or after the eleventh name and its comma.
/// Its comma messages are those of the image modes' list.
constexpr FlagList kFormatFlagList{kFormatExtensionShape.names, "ParseZRFormatExtension",
                                   "ParseSupportedModes", 11};

}  // namespace

/// Major and minor, both read before anything is written.
void PropertyList::ParseHostVersion(const HostVersion& property) {
  ExpectToken(TOK_LBRACE, property.parser, "Open Brace Expected!");
  const SignedPair version = ReadSignedPair(property.parser);
  ExpectToken(TOK_RBRACE, property.parser, "CloseBrace Expected");
  WriteVendorCode();
  out_.WriteFormatted(property.keyBlock);
  out_.WriteFormatted("\t%d, %d,\n", version.first, version.second);
}

void PropertyList::ParseZRMatchName() { ParseLengthPrefixedProperty(kMatchName); }
void PropertyList::ParseSupportURL() { ParseLengthPrefixedProperty(kSupportURL); }
void PropertyList::ParseZRSpecVers() { ParseHostVersion(kSpecVersion); }
void PropertyList::ParseZRVorlVers() { ParseHostVersion(kVorlVersion); }

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
