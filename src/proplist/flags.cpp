// Flag-list properties: the image modes a plug-in supports, and the one-byte
// capability flags of file formats (FormatFlags, FormatICCFlags) and export
// modules (ExportFlags). Names outside a property's table set nothing.
#include <span>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/lexer.h"

namespace {

/// Image modes as one 16-bit value: the first flag byte is the high byte.
constexpr NamedBits kImageModes[] = {
    {"doesSupportBitmap", 0x8000},       {"doesSupportGrayScale", 0x4000},
    {"doesSupportIndexedColor", 0x2000}, {"doesSupportRGBColor", 0x1000},
    {"doesSupportCMYKColor", 0x0800},    {"doesSupportHSLColor", 0x0400},
    {"doesSupportHSBColor", 0x0200},     {"doesSupportMultichannel", 0x0100},
    {"doesSupportDuotone", 0x0080},      {"doesSupportLABColor", 0x0040},
    {"doesSupportGray16", 0x0020},       {"doesSupportRGB48", 0x0010},
    {"doesSupportLab48", 0x0008},        {"doesSupportCMYK64", 0x0004},
    {"doesSupportDeepMultichannel", 0x0002}, {"doesSupportDuotone16", 0x0001},
};

constexpr NamedBits kFormatFlags[] = {
    {"fmtSavesImageResources", 0x40},
    {"fmtCanRead", 0x20},
    {"fmtCanWrite", 0x10},
    {"fmtCanWriteIfRead", 0x08},
};

constexpr NamedBits kFormatICCFlags[] = {
    {"iccCanEmbedGray", 0x80},
    {"iccCanEmbedIndexed", 0x40},
    {"iccCanEmbedRGB", 0x20},
    {"iccCanEmbedCMYK", 0x10},
};

constexpr NamedBits kExportFlags[] = {
    {"expSupportsTransparency", 0x80},
};

/// One of the one-byte flag properties: its names, messages and key line.
struct FlagProperty {
  std::span<const NamedBits> names;
  const char* openBraceMessage;
  const char* unsupportedMessage;
  const char* keyLine;
};

constexpr FlagProperty kFormatFlagsProperty = {
    kFormatFlags, "ParseFormatFlags: Open Brace Expected!",
    "ParseFormatFlags: Unsupported Token!",
    "\t\"ftmf\", /* 'fmtf' PIFmtFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

constexpr FlagProperty kFormatICCFlagsProperty = {
    kFormatICCFlags, "ParseFormatICCFlags: Open Brace Expected!",
    "ParseFormatICCFlags: Unsupported Token!",
    "\t\"pimf\", /* 'fmip' PIFmtICCFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

constexpr FlagProperty kExportFlagsProperty = {
    kExportFlags, "ParseExportFlags: Open Brace Expected!",
    "ParseExportFlags: Unsupported Token!",
    "\t\"fpxe\", /* 'expf' PIExpFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

/// The token between two names is taken as their separator without being
/// looked at; only the closing brace ends the list.
void ParseFlagByteProperty(const FlagProperty& property) {
  ExpectToken(TOK_LBRACE, property.openBraceMessage);
  unsigned flags = 0;
  for (;;) {
    ExpectToken(TOK_IDENT, property.unsupportedMessage);
    flags |= BitsOfName(property.names, pToken->name);
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
  }
  WriteVendorCode();
  WriteFormatted(Out(), "%s", property.keyLine);
  WriteFormatted(Out(), "\t\"\\x%02X\\0\\0\\0\",\n", flags);
}

}  // namespace

void ParseSupportedModes() {
  ExpectToken(TOK_LBRACE, "ParseSupportedModes: Open Brace Expected!");
  unsigned modes = 0;
  for (;;) {
    ExpectToken(TOK_IDENT, "ParseSupportedModes: Unsupported Token!");
    modes |= BitsOfName(kImageModes, pToken->name);
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass != TOK_COMMA) FatalError("ParseSupportedModes: Comma Expected");
  }
  WriteVendorCode();
  WriteFormatted(Out(),
                 "\t\"edom\", /* 'mode' PIImageModesProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n");
  WriteFormatted(Out(), "\t\"\\x%02X\\x%02X\\0\\0\",\n", modes >> 8, modes & 0xFFu);
}

void ParseFormatFlags() { ParseFlagByteProperty(kFormatFlagsProperty); }

void ParseFormatICCFlags() { ParseFlagByteProperty(kFormatICCFlagsProperty); }

void ParseExportFlags() { ParseFlagByteProperty(kExportFlagsProperty); }
