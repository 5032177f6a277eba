// Flag-list properties: the image modes a plug-in supports, and the one-byte
// capability flags of file formats (FormatFlags, FormatICCFlags) and export
// modules (ExportFlags). Names outside a property's table set nothing.
#include "proplist/property_list.h"

/// One of the one-byte flag properties: its names and its key line. The
/// token between two names is taken as their separator without being looked
/// at; only the closing brace ends the list.
struct FlagByteProperty {
  FlagList list;
  const char* keyLine;
};

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

constexpr FlagList kImageModeList{kImageModes, "ParseSupportedModes", "ParseSupportedModes", 0};

constexpr FlagByteProperty kFormatFlagsProperty{
    {kFormatFlags, "ParseFormatFlags", nullptr, 0},
    "\t\"ftmf\", /* 'fmtf' PIFmtFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

constexpr FlagByteProperty kFormatICCFlagsProperty{
    {kFormatICCFlags, "ParseFormatICCFlags", nullptr, 0},
    "\t\"pimf\", /* 'fmip' PIFmtICCFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

constexpr FlagByteProperty kExportFlagsProperty{
    {kExportFlags, "ParseExportFlags", nullptr, 0},
    "\t\"fpxe\", /* 'expf' PIExpFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

}  // namespace

void PropertyList::ParseFlagByteProperty(const FlagByteProperty& property) {
  ExpectToken(TOK_LBRACE, property.list.parser, "Open Brace Expected!");
  const unsigned flags = ReadNamedFlags(property.list);
  WriteVendorCode();
  out_.WriteFormatted("%s", property.keyLine);
  out_.WriteFormatted("\t\"\\x%02X\\0\\0\\0\",\n", flags);
}

void PropertyList::ParseSupportedModes() {
  ExpectToken(TOK_LBRACE, kImageModeList.parser, "Open Brace Expected!");
  const unsigned modes = ReadNamedFlags(kImageModeList);
  WriteVendorCode();
  out_.WriteFormatted("\t\"edom\", /* 'mode' PIImageModesProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n");
  out_.WriteFormatted("\t\"\\x%02X\\x%02X\\0\\0\",\n", modes >> 8, modes & 0xFFu);
}

void PropertyList::ParseFormatFlags() { ParseFlagByteProperty(kFormatFlagsProperty); }

void PropertyList::ParseFormatICCFlags() { ParseFlagByteProperty(kFormatICCFlagsProperty); }

void PropertyList::ParseExportFlags() { ParseFlagByteProperty(kExportFlagsProperty); }
