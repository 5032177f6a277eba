// Flag-list properties: the image modes a plug-in supports, and the one-byte
// capability flags of file formats (FormatFlags, FormatICCFlags) and export
// modules (ExportFlags). Names outside a property's table set nothing.
#include "proplist/property_list.h"
#include "proplist/record_shapes.h"

/// One of the one-byte flag properties: its names and its key line. The
/// token between two names is taken as their separator without being looked
/// at; only the closing brace ends the list.
struct FlagByteProperty {
  FlagList list;
  ScriptFormat<> keyLine;
};

namespace {

// The names are those of the properties' rows.
constexpr FlagList kImageModeList{kSupportedModesShape.names, "ParseSupportedModes",
                                  "ParseSupportedModes", 0};

constexpr FlagByteProperty kFormatFlagsProperty{
    {kFormatFlagsShape.names, "ParseFormatFlags", nullptr, 0},
    "\t\"ftmf\", /* 'fmtf' PIFmtFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

constexpr FlagByteProperty kFormatICCFlagsProperty{
    {kFormatICCFlagsShape.names, "ParseFormatICCFlags", nullptr, 0},
    "\t\"pimf\", /* 'fmip' PIFmtICCFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

constexpr FlagByteProperty kExportFlagsProperty{
    {kExportFlagsShape.names, "ParseExportFlags", nullptr, 0},
    "\t\"fpxe\", /* 'expf' PIExpFlagsProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n"};

}  // namespace

void PropertyList::ParseFlagByteProperty(const FlagByteProperty& property) {
  ExpectToken(TOK_LBRACE, property.list.parser, "Open Brace Expected!");
  const unsigned flags = ReadNamedFlags(property.list);
  WriteVendorCode();
  out_.WriteFormatted(property.keyLine);
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
