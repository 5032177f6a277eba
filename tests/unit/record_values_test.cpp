// The keys, lengths and value names of the property records, checked against
// values written here by hand from the description of the property list, not
// taken from the rows and name lists the converter and VorlDump read: a wrong
// entry in a table would pass every test that reads its answer from the table.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <set>
#include <string>

#include "proplist/name_lists.h"
#include "proplist/property_rows.h"
#include "source_text.h"

namespace {

/// A property, a value it accepts, its key in natural order, and the length
/// its record states for that value.
struct KeyedProperty {
  const char* keyword;
  const char* value;
  const char* key;
  unsigned length;
};

constexpr KeyedProperty kProperties[] = {
    {"Kind", "{ Filter }", "kind", 4},
    {"Version", "{ 1 }", "vers", 4},
    {"Priority", "{ 1 }", "prty", 4},
    {"RequiredHost", "{ 'ABCD' }", "host", 4},
    {"Name", "{ \"text\" }", "name", 8},
    {"Category", "{ \"text\" }", "catg", 8},
    {"CodeWin32X86", "{ \"text\" }", "wx86", 8},
    {"CodeWin64X86", "{ \"text\" }", "8664", 8},
    {"SupportedModes", "{ doesSupportBitmap }", "mode", 4},
    {"FilterCaseInfo",
     "{ { inCantFilter, outCantFilter, 0, 0, none, inCantFilter, outCantFilter, 0, 0, none, "
     "inCantFilter, outCantFilter, 0, 0, none, inCantFilter, outCantFilter, 0, 0, none, "
     "inCantFilter, outCantFilter, 0, 0, none, inCantFilter, outCantFilter, 0, 0, none, "
     "inCantFilter, outCantFilter, 0, 0, none } }",
     "fici", 28},
    {"FormatFlags", "{ fmtCanRead }", "fmtf", 4},
    {"FormatICCFlags", "{ iccCanEmbedRGB }", "fmip", 4},
    {"ExportFlags", "{ expSupportsTransparency }", "expf", 4},
    {"FormatMaxSize", "{ { 1, 2 } }", "mxsz", 4},
    {"FormatMaxChannels", "{ { 1 } }", "mxch", 2},
    {"FmtFileType", "{ 'ABCD', 'EFGH' }", "fmTC", 8},
    {"ReadTypes", "{ { 'ABCD', 'EFGH' } }", "RdTy", 8},
    {"WriteTypes", "{ { 'ABCD', 'EFGH' } }", "WrTy", 8},
    {"FilteredTypes", "{ { 'ABCD', 'EFGH' } }", "fftT", 8},
    {"ParsableTypes", "{ { 'ABCD', 'EFGH' } }", "psTY", 8},
    {"FilteredParsableTypes", "{ { 'ABCD', 'EFGH' } }", "psTy", 8},
    {"ReadExtensions", "{ { 'ABCD' } }", "RdEx", 4},
    {"WriteExtensions", "{ { 'ABCD' } }", "WrEx", 4},
    {"FilteredExtensions", "{ { 'ABCD' } }", "fftE", 4},
    {"ParsableExtensions", "{ { 'ABCD' } }", "psEX", 4},
    {"FilteredParsableExtensions", "{ { 'ABCD' } }", "psEx", 4},
    {"ParsableClipboardTypes", "{ { 'ABCD' } }", "psCB", 4},
    {"HasTerminology", "{ 'ABCD', 'EFGH', 1, \"text\" }", "hstm", 22},
    {"ZR_Effect_Info_Flags", "{ 1 }", "eINF", 2},
    {"ZR_Effect_Version", "{ 1 }", "eVER", 4},
    {"ZR_Reserved", "{ 1 }", "zrRD", 4},
    {"ZR_Reserved_Info", "{ 1 }", "zrFL", 4},
    {"ZR_Effect_Global_OutFlags", "{ 1 }", "eGLO", 4},
    {"ZR_Effect_Global_OutFlags_2", "{ 1 }", "eGL2", 4},
    {"ZR_Effect_Match_Name", "{ \"text\" }", "eMNA", 8},
    {"ZR_Effect_Support_URL", "{ \"text\" }", "eURL", 8},
    {"ZR_Effect_Spec_Version", "{ 1, 2 }", "eSVR", 4},
    {"ZR_Vorl_Version", "{ 1, 2 }", "ePVR", 4},
    {"ZR_ImageFormat_Extension_Info", "{ 1, 2, input } 'SIGN' }", "FXMF", 16},
};

/// The keywords that name no record: entry points for other processors.
constexpr const char* kWithoutRecord[] = {"Code68K", "CodePowerPC"};

/// The script of a list holding one property.
std::string ScriptOf(const std::string& property) {
  const Conversion result = ConvertText("in.r", "resource 'Vorl' (1) { { " + property + " } };\n");
  EXPECT_EQ(result.status, 0) << property << ": " << result.err;
  return result.script;
}

/// The four bytes the compiled block holds for a code or number written as
/// four characters in quotes ("dnik") or as a 32-bit literal (0x70727479L),
/// which is stored least significant byte first.
std::string CompiledBytes(const std::string& quoted, const std::string& hex) {
  if (!quoted.empty()) return quoted;
  const unsigned long value = std::stoul(hex, nullptr, 16);
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
  return bytes;
}

/// A code in natural order ('kind') as the compiled block holds it: its last
/// character first.
std::string Reversed(const std::string& code) { return std::string(code.rbegin(), code.rend()); }

TEST(RecordValues, EveryPropertyHasItsKeyAndLength) {
  // The vendor code, the key, the property id and the length.
  const std::regex head(
      R"re(\n\t"(....)",\n\t(?:"(....)"|0x([0-9A-Fa-f]{8})L),[^\n]*\n\t(?:RSCS32\(0\)|0L),\n\t(?:RSCS32\( *([0-9]+)\)|([0-9]+)L))re");
  std::set<std::string> seen;
  for (const KeyedProperty& property : kProperties) {
    SCOPED_TRACE(property.keyword);
    seen.insert(property.keyword);
    const std::string script = ScriptOf(std::string(property.keyword) + " " + property.value);
    std::smatch found;
    ASSERT_TRUE(std::regex_search(script, found, head)) << script;
    EXPECT_EQ(found[1].str(), Reversed("5KIM"));
    const std::string key = CompiledBytes(found[2].str(), found[3].str());
    EXPECT_EQ(key, Reversed(property.key));
    EXPECT_EQ(std::stoul(found[4].matched ? found[4].str() : found[5].str()), property.length);
    // VorlDump finds the record's property by the same bytes.
    const std::uint32_t code = KeyCode({property.key[0], property.key[1], property.key[2],
                                        property.key[3], '\0'});
    const PropertyRow* row = PropertyRowOfKey(code);
    ASSERT_NE(row, nullptr);
    EXPECT_STREQ(row->keyword, property.keyword);
  }
  for (const char* keyword : kWithoutRecord) {
    seen.insert(keyword);
    EXPECT_EQ(ScriptOf(std::string(keyword) + " { }").find("MIK5"), std::string::npos) << keyword;
  }
  // Every keyword the converter knows is one of these, and no other.
  std::set<std::string> known;
  for (const PropertyRow& row : PropertyRows()) known.insert(row.keyword);
  EXPECT_EQ(known, seen);
}

/// A value name and the bits it stands for, by the place it stands in.
struct NamedValue {
  const char* place;  ///< the property, and for a filter case the item
  const char* name;
  unsigned value;
};

constexpr NamedValue kNames[] = {
    {"Kind", "Filter", 0x354B464D},                    // '5KFM'
    {"Kind", "Parser", 0x354B594D},                    // '5KYM'
    {"Kind", "ImageFormat", 0x354B4946},               // '5KIF'
    {"Kind", "ZRForeignProjectFormat", 0x65465046},    // 'eFPF'
    {"Kind", "ZRGP", 0x5A526778},                      // 'ZRgx'
    {"Kind", "Extension", 0x354B584D},                 // '5KXM'
    {"Kind", "Acquire", 0x354B414D},                   // '5KAM'
    {"Kind", "Export", 0x354B454D},                    // '5KEM'
    {"Kind", "ZREffect", 0x65464B54},                  // 'eFKT'
    {"Kind", "ZRAccelerator", 0x65465354},             // 'eFST'
    {"Kind", "ZRImageFormat", 0x46584946},             // 'FXIF'
    {"Kind", "ZRGeneral", 0x5A526770},                 // 'ZRgp'
    // Image modes: first byte, then second byte.
    {"SupportedModes", "doesSupportBitmap", 0x8000},
    {"SupportedModes", "doesSupportGrayScale", 0x4000},
    {"SupportedModes", "doesSupportIndexedColor", 0x2000},
    {"SupportedModes", "doesSupportRGBColor", 0x1000},
    {"SupportedModes", "doesSupportCMYKColor", 0x0800},
    {"SupportedModes", "doesSupportHSLColor", 0x0400},
    {"SupportedModes", "doesSupportHSBColor", 0x0200},
    {"SupportedModes", "doesSupportMultichannel", 0x0100},
    {"SupportedModes", "doesSupportDuotone", 0x0080},
    {"SupportedModes", "doesSupportLABColor", 0x0040},
    {"SupportedModes", "doesSupportGray16", 0x0020},
    {"SupportedModes", "doesSupportRGB48", 0x0010},
    {"SupportedModes", "doesSupportLab48", 0x0008},
    {"SupportedModes", "doesSupportCMYK64", 0x0004},
    {"SupportedModes", "doesSupportDeepMultichannel", 0x0002},
    {"SupportedModes", "doesSupportDuotone16", 0x0001},
    {"FormatFlags", "fmtSavesImageResources", 0x40},
    {"FormatFlags", "fmtCanRead", 0x20},
    {"FormatFlags", "fmtCanWrite", 0x10},
    {"FormatFlags", "fmtCanWriteIfRead", 0x08},
    {"FormatICCFlags", "iccCanEmbedGray", 0x80},
    {"FormatICCFlags", "iccCanEmbedIndexed", 0x40},
    {"FormatICCFlags", "iccCanEmbedRGB", 0x20},
    {"FormatICCFlags", "iccCanEmbedCMYK", 0x10},
    {"ExportFlags", "expSupportsTransparency", 0x80},
    {"FilterCaseInfo: input handling", "inCantFilter", 0x00},
    {"FilterCaseInfo: input handling", "inStraightData", 0x01},
    {"FilterCaseInfo: input handling", "inBlackMat", 0x02},
    {"FilterCaseInfo: input handling", "inGrayMat", 0x03},
    {"FilterCaseInfo: input handling", "inWhiteMat", 0x04},
    {"FilterCaseInfo: input handling", "inDefringe", 0x05},
    {"FilterCaseInfo: input handling", "inBlackZap", 0x06},
    {"FilterCaseInfo: input handling", "inGrayZap", 0x07},
    {"FilterCaseInfo: input handling", "inWhiteZap", 0x08},
    {"FilterCaseInfo: input handling", "inBackgroundZap", 0x0A},
    {"FilterCaseInfo: input handling", "inForegroundZap", 0x0B},
    {"FilterCaseInfo: output handling", "outCantFilter", 0x00},
    {"FilterCaseInfo: output handling", "outStraightData", 0x01},
    {"FilterCaseInfo: output handling", "outBlackMat", 0x02},
    {"FilterCaseInfo: output handling", "outGrayMat", 0x03},
    {"FilterCaseInfo: output handling", "outWhiteMat", 0x04},
    {"FilterCaseInfo: output handling", "outFillMask", 0x09},
    // A flag item's name sets its bit; the name VorlDump writes for a clear
    // bit sets nothing, as any other word does.
    {"FilterCaseInfo: first flag", "filtersLayerMasks", 0x04},
    {"FilterCaseInfo: first flag", "doesNotFilterLayerMasks", 0},
    {"FilterCaseInfo: second flag", "worksWithBlankData", 0x02},
    {"FilterCaseInfo: second flag", "doesNotWorkWithBlankData", 0},
    {"FilterCaseInfo: third flag", "doNotCopySourceToDestination", 0x01},
    {"FilterCaseInfo: third flag", "copySourceToDestination", 0},
    {"ZR_ImageFormat_Extension_Info", "hasNoOptions", 0x400},
    {"ZR_ImageFormat_Extension_Info", "nonSequentialOk", 0x200},
    {"ZR_ImageFormat_Extension_Info", "mustInteract", 0x100},
    {"ZR_ImageFormat_Extension_Info", "hasInteractPut", 0x80},
    {"ZR_ImageFormat_Extension_Info", "hasInteractGet", 0x40},
    {"ZR_ImageFormat_Extension_Info", "hasNoTime", 0x20},
    {"ZR_ImageFormat_Extension_Info", "hasVideo", 0x10},
    {"ZR_ImageFormat_Extension_Info", "still", 0x08},
    {"ZR_ImageFormat_Extension_Info", "hasFile", 0x04},
    {"ZR_ImageFormat_Extension_Info", "output", 0x02},
    {"ZR_ImageFormat_Extension_Info", "input", 0x01},
};

std::string Hex(const char* format, unsigned value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

/// Seven filter cases, the first with `name` in the item named by `place`.
std::string FilterCasesWith(const std::string& place, const std::string& name) {
  const char* items[] = {"input handling", "output handling", "first flag", "second flag",
                         "third flag"};
  const char* fillers[] = {"inCantFilter", "outCantFilter", "0", "0", "none"};
  std::string first;
  for (int i = 0; i < 5; ++i) first += (i ? ", " : "") + (place == items[i] ? name : fillers[i]);
  std::string cases = first;
  for (int i = 1; i < 7; ++i) cases += ", inCantFilter, outCantFilter, 0, 0, none";
  return "FilterCaseInfo { { " + cases + " } }";
}

/// The property holding `named` alone, and the text its value must be
/// written as.
std::pair<std::string, std::string> PropertyAndData(const NamedValue& named) {
  const std::string place = named.place;
  const std::string name = named.name;
  const unsigned v = named.value;
  if (place == "Kind") {
    const std::string code = {static_cast<char>(v >> 24), static_cast<char>((v >> 16) & 0xFF),
                              static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
    return {"Kind { " + name + " }", "\t\"" + Reversed(code) + "\",\n"};
  }
  if (place == "SupportedModes")
    return {"SupportedModes { " + name + " }", Hex("\t\"\\x%02X", v >> 8) + Hex("\\x%02X\\0\\0\",\n", v & 0xFF)};
  if (place == "ZR_ImageFormat_Extension_Info")
    return {place + " { 1, 2, " + name + " } 'SIGN' }", Hex("\t%uL,\n", v)};
  const std::string item = "FilterCaseInfo: ";
  if (place.compare(0, item.size(), item) != 0)
    return {place + " { " + name + " }", Hex("\t\"\\x%02X\\0\\0\\0\",\n", v)};
  const std::string which = place.substr(item.size());
  const unsigned in = which == "input handling" ? v : 0;
  const unsigned out = which == "output handling" ? v : 0;
  const unsigned flags = which.find("flag") != std::string::npos ? v : 0;
  return {FilterCasesWith(which, name),
          ",\n\t\"" + Hex("\\x%02X", in) + Hex("\\x%02X", out) + Hex("\\x%02X", flags) + "\\x00\""};
}

TEST(RecordValues, EveryNameStandsForItsValue) {
  std::set<std::string> seen;
  for (const NamedValue& named : kNames) {
    SCOPED_TRACE(std::string(named.place) + " " + named.name);
    seen.insert(std::string(named.place) + " " + named.name);
    const auto [property, data] = PropertyAndData(named);
    EXPECT_NE(ScriptOf(property).find(data), std::string::npos) << property << " should write " << data;
  }
  // Every name of every list is one of these, and no other.
  std::set<std::string> known;
  for (const NameList& list : NameLists()) {
    const std::string place =
        list.place.empty() ? list.row->keyword : std::string(list.row->keyword) + ": " + std::string(list.place);
    for (const NamedBits& named : list.names) known.insert(place + " " + std::string(named.name));
  }
  EXPECT_EQ(known, seen);
}

}  // namespace
