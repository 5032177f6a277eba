// The host family's structured properties: match name and support address
// (length-prefixed strings whose escapes count as the bytes they stand for),
// the host interface and list versions, and the image-format extension data.
#include <cstdint>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/lexer.h"

namespace {

// Their length bytes count the bytes the text compiles to: "\n" or "\x41" is one.
constexpr LengthPrefixedProperty kMatchName{
    "ParseZRMatchName",
    "\t\"ANMe\",/* 'name' PINameProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n", true};
constexpr LengthPrefixedProperty kSupportURL{
    "ParseSupportURL", "\t\"LRUe\",/* 'eURL' */\n\tRSCS32(0),\n\tRSCS32(%d),\n", true};

struct HostVersion {
  const char* parser;
  const char* keyBlock;
};

// Both comments name 'eSVR': the list version's block reads as it always has.
constexpr HostVersion kSpecVersion{
    "ParseZRSpecVers",
    "\t\"RVSe\", /* 'eSVR' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};
constexpr HostVersion kVorlVersion{
    "ParseZRVorlVers",
    "\t\"RVPe\", /* 'eSVR' PIFmtMaxSizeProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

/// Major and minor, both read before anything is written.
void ParseHostVersion(const HostVersion& property) {
  ExpectTokenIn(TOK_LBRACE, property.parser, "Open Brace Expected!");
  int16_t major = ExpectSignedWord(property.parser);
  ExpectTokenIn(TOK_COMMA, property.parser, "COMMA Expected");
  int16_t minor = ExpectSignedWord(property.parser);
  ExpectTokenIn(TOK_RBRACE, property.parser, "CloseBrace Expected");
  WriteVendorCode();
  WriteFormatted(Out(), "%s", property.keyBlock);
  WriteFormatted(Out(), "\t%d, %d,\n", major, minor);
}

constexpr NamedBits kFormatFlags[] = {
    {"hasNoOptions", 0x400}, {"nonSequentialOk", 0x200}, {"mustInteract", 0x100},
    {"hasInteractPut", 0x80}, {"hasInteractGet", 0x40},  {"hasNoTime", 0x20},
    {"hasVideo", 0x10},       {"still", 0x08},           {"hasFile", 0x04},
    {"output", 0x02},         {"input", 0x01},
};

constexpr int kMaxFormatFlags = 11;

/// Names outside the table set nothing. The list ends at a close brace, or
/// after the eleventh name and its comma.
long ReadFormatFlags() {
  long flags = 0;
  for (int index = 0; index < kMaxFormatFlags; ++index) {
    ExpectToken(TOK_IDENT, "ParseZRFormatExtension: Unsupported Token!");
    flags |= static_cast<long>(BitsOfName(kFormatFlags, pToken->name));
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass != TOK_COMMA) FatalError("ParseSupportedModes: Comma Expected");
  }
  return flags;
}

}  // namespace

void ParseZRMatchName() { ParseLengthPrefixedProperty(kMatchName); }
void ParseSupportURL() { ParseLengthPrefixedProperty(kSupportURL); }
void ParseZRSpecVers() { ParseHostVersion(kSpecVersion); }
void ParseZRVorlVers() { ParseHostVersion(kVorlVersion); }

void ParseZRFormatExtension() {
  const char* parser = "ParseZRFormatExtension";
  ExpectTokenIn(TOK_LBRACE, parser, "Open Brace Expected!");
  int16_t major = ExpectSignedWord(parser);
  ExpectTokenIn(TOK_COMMA, parser, "COMMA Expected");
  int16_t minor = ExpectSignedWord(parser);
  ExpectTokenIn(TOK_COMMA, parser, "COMMA Expected");
  long flags = ReadFormatFlags();
  WriteVendorCode();
  WriteFormatted(Out(), "\t\"FMXF\", /* 'FXMF' */\n\tRSCS32(0),\n\tRSCS32(16),\n");
  WriteFormatted(Out(), "\t%d, %d,\n", major, minor);
  WriteFormatted(Out(), "\t%ldL,\n", flags);
  // The signature's messages are those of the file-type pair it mirrors.
  ExpectFourCharLiteral("ParseFmtFileType: Type expected!");
  WriteFormatted(Out(), "\tRSCS32(0),\n");
  WriteCodeLine(true);
  ExpectToken(TOK_RBRACE, "ParseFmtFileType: Close brace expected!");
}
