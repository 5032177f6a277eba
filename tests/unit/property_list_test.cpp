// Property lists: the property count's limit, and the identity and capability
// properties: every refusal with its exact report, and the values whose
// encoding is easy to get wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "proplist/value_names.h"
#include "source_text.h"

namespace {

/// Converts a file holding one property list whose list text is `list`. The
/// list begins on line 1, so a failure within its first line reports line 1.
Conversion ConvertList(const std::string& list) {
  return ConvertText("in.r", "resource 'Vorl' (1) { { " + list + " } };\n");
}

struct Refusal {
  std::string list;
  const char* message;
};

void ExpectRefusals(const std::vector<Refusal>& refusals) {
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.list);
    const Conversion result = ConvertList(refusal.list);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, std::string(refusal.message) + ", line 1\n");
    EXPECT_FALSE(result.outputExists);
  }
}

TEST(IdentityProperties, RefusalsReportTheirMessage) {
  ExpectRefusals({
      {"Kind Filter", "ParseKindProperty: Open Brace Expected!"},
      {"Kind { ExportFlags }", "ParseKindProperty: Invalid Token!"},
      {"Kind { HasTerminology }", "ParseKindProperty: Invalid Token!"},
      {"Kind { 5 }", "ParseKindProperty: Invalid Token!"},
      {"Kind { filter }", "ParseKindProperty: Invalid Token!"},
      {"Kind { Filter, }", "ParseKindProperty: CloseBrace Expected"},
      {"Version 1", "ParseVersionProperty: Open Brace Expected!"},
      {"Version { 1; 2 }", "ParseVersionProperty: CloseBrace Expected"},
      {"Priority 1", "ParsePriority: Open Brace Expected!"},
      {"Priority { 1; 2 }", "ParsePriority: CloseBrace Expected"},
      {"RequiredHost 'ABCD'", "ParseRequiredHost: Open Brace Expected!"},
      {"RequiredHost { \"ABCD\" }", "ParseRequiredHost: Type expected!"},
      {"RequiredHost { 'ABC' }", "ParseRequiredHost: Type expected!"},
      {"RequiredHost { '' }", "ParseRequiredHost: Type expected!"},
      {"RequiredHost { 'ABCD' 'EFGH' }", "ParseRequiredHost: CloseBrace Expected"},
      {"Name \"Blur\"", "ParseName: Open Brace Expected!"},
      {"Name { Blur }", "ParseName: String expected!"},
      {"Name { \"" + std::string(256, 'n') + "\" }", "ParseName: String too long"},
      {"Name { \"Blur\" \"More\" }", "ParseName: CloseBrace Expected"},
      {"Category \"Blur\"", "ParseCategory: Open Brace Expected!"},
      {"Category { 7 }", "ParseCategory: String expected!"},
      {"Category { \"" + std::string(255, 'c') + "\\t\" }", "ParseCategory: String too long"},
      {"Category { \"Blur\", }", "ParseCategory: CloseBrace Expected"},
      {"CodeWin32X86 \"Main\"", "ParseCodeWinOSX86: Open Brace Expected!"},
      {"CodeWin64X86 { Main }", "ParseCodeWinOSX86: String expected!"},
      {"CodeWin32X86 { \"Main\" 0 }", "ParseCodeWinOSX86: CloseBrace Expected"},
      // A skipped entry point whose braces never close.
      {"Code68K { { { {", "Premature End of file"},
      // Without its brace nothing is skipped: the next token follows the notice.
      {"CodePowerPC 5", "ParseVorlBody: Comma Expected"},
  });
}

/// Seven cases of a filter: `firstCase` and six well-formed ones.
std::string FilterCases(const std::string& firstCase, const std::string& end = " } }") {
  std::string list = "FilterCaseInfo { { " + firstCase;
  for (int i = 0; i < 6; ++i) list += ", inCantFilter, outCantFilter, 0, 0, none";
  return list + end;
}

TEST(CapabilityProperties, RefusalsReportTheirMessage) {
  ExpectRefusals({
      {"SupportedModes doesSupportBitmap", "ParseSupportedModes: Open Brace Expected!"},
      {"SupportedModes { }", "ParseSupportedModes: Unsupported Token!"},
      {"SupportedModes { 1 }", "ParseSupportedModes: Unsupported Token!"},
      {"SupportedModes { doesSupportBitmap, }", "ParseSupportedModes: Unsupported Token!"},
      {"SupportedModes { doesSupportBitmap; doesSupportRGBColor }",
       "ParseSupportedModes: Comma Expected"},
      {"FilterCaseInfo { inStraightData", "ParseFilterCaseInfo: Open Brace Expected!"},
      {"FilterCaseInfo { inStraightData }", "ParseFilterCaseInfo: Open Brace Expected!"},
      {FilterCases("1, outCantFilter, 0, 0, none"), "ParseFilterCaseInfo: Unsupported Token!"},
      {FilterCases("inBlackZapp, outCantFilter, 0, 0, none"),
       "ParseFilterCaseInfo: Unsupported Token"},
      {FilterCases("outCantFilter, outCantFilter, 0, 0, none"),
       "ParseFilterCaseInfo: Unsupported Token"},
      {FilterCases("inCantFilter, inCantFilter, 0, 0, none"),
       "ParseFilterCaseInfo: Unsupported Token"},
      {FilterCases("inCantFilter outCantFilter, 0, 0, none"),
       "ParseFilterCaseInfo: Comma Expected"},
      {FilterCases("inCantFilter, outCantFilter; 0, 0, none"),
       "ParseFilterCaseInfo: Comma Expected"},
      {FilterCases("inCantFilter, outCantFilter, \"4\", 0, none"),
       "ParseFilterCaseInfo: Unsupported Token!"},
      {FilterCases("inCantFilter, outCantFilter, 0, 0 0, none"),
       "ParseFilterCaseInfo: Comma Expected"},
      {FilterCases("inCantFilter, outCantFilter, 0, 0, 1"),
       "ParseFilterCaseInfo: Unsupported Token!"},
      // A sixth item: its comma is taken as the separator, the item itself
      // as the next case's input handling.
      {FilterCases("inCantFilter, outCantFilter, 0, 0, none, none"),
       "ParseFilterCaseInfo: Unsupported Token"},
      // An eighth case: after the seventh, one token is passed over and the
      // outer close brace must follow.
      {FilterCases("inCantFilter, outCantFilter, 0, 0, none",
                   ", inCantFilter, outCantFilter, 0, 0, none } }"),
       "ParseFilterCaseInfo: CloseBrace Expected"},
      {FilterCases("inCantFilter, outCantFilter, 0, 0, none", " }, Kind { Filter }"),
       "ParseFilterCaseInfo: CloseBrace Expected"},
      {"FormatFlags fmtCanRead", "ParseFormatFlags: Open Brace Expected!"},
      {"FormatFlags { }", "ParseFormatFlags: Unsupported Token!"},
      // Two names without a separator: the second is taken as the separator.
      {"FormatFlags { fmtCanRead fmtCanWrite }", "ParseFormatFlags: Unsupported Token!"},
      {"FormatICCFlags iccCanEmbedRGB", "ParseFormatICCFlags: Open Brace Expected!"},
      {"FormatICCFlags { 0x80 }", "ParseFormatICCFlags: Unsupported Token!"},
      {"ExportFlags expSupportsTransparency", "ParseExportFlags: Open Brace Expected!"},
      {"ExportFlags { }", "ParseExportFlags: Unsupported Token!"},
      {"FormatMaxSize { 1, 2 }", "ParseFormatMaxSize: Open Brace Expected!"},
      {"FormatMaxSize { { big, 2 } }", "ParseFormatMaxSize: Number Expected"},
      {"FormatMaxSize { { 1, -2 } }", "ParseFormatMaxSize: Number Expected"},
      {"FormatMaxSize { { 1; 2 } }", "ParseFormatMaxSize: COMMA Expected"},
      {"FormatMaxSize { { 1, 2, 3 } }", "ParseFormatMaxSize: CloseBrace Expected"},
      {"FormatMaxSize { { 1, 2 }, }", "ParseFormatMaxSize: CloseBrace Expected"},
      {"FormatMaxChannels 1", "ParseFormatMaxChannels: Open Brace Expected!"},
      {"FormatMaxChannels { { } }", "ParseFormatMaxChannels: Number Expected"},
      {"FormatMaxChannels { { 1, } }", "ParseFormatMaxChannels: Number Expected"},
      {"FormatMaxChannels { { 1; 2 } }", "ParseFormatMaxChannels: COMMA Expected"},
      {"FormatMaxChannels { { 1 }, }", "ParseFormatMaxChannels: CloseBrace Expected"},
  });
}

/// `count` channel values separated by commas, ten a line.
std::string ChannelValues(int count) {
  std::string values = "1";
  for (int i = 1; i < count; ++i) values += i % 10 == 0 ? ",\n1" : ", 1";
  return values;
}

TEST(CapabilityProperties, MaxChannelsLengthFillsItsFourDigitsAndNoMore) {
  const Conversion longest =
      ConvertList("FormatMaxChannels { { " + ChannelValues(4999) + " } }");
  ASSERT_EQ(longest.status, 0) << longest.err;
  EXPECT_NE(longest.script.find("\tRSCS32(9998),\n\t1, 1, 1, 1, \n\t"), std::string::npos);
  EXPECT_NE(longest.script.find("\t1, 1, 1, \n\nEND\n"), std::string::npos);

  ExpectRefusals({{"FormatMaxChannels { { " + ChannelValues(5000) + " } }",
                   "ParseFormatMaxChannels: List too long"}});
}

TEST(IdentityProperties, VersionHalvesAreUnsignedAndPriorityKeepsItsSign) {
  const Conversion result = ConvertList("Version { 0xFFFF0001 }, Priority { 0xFFFFFFFF }");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.script.find("\t1, 65535, \n"), std::string::npos);
  EXPECT_NE(result.script.find("\t4L\n\t-1L, \n"), std::string::npos);
}

TEST(IdentityProperties, NameOfAtMost255BytesIsKept) {
  const Conversion result = ConvertList("Name { \"" + std::string(253, 'n') + "\\t\" }");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.script.find("\tRSCS32(256),\n\t\"\\xFF" + std::string(253, 'n') + "\\t\", \n"),
            std::string::npos);
}

/// A kind is told by its token's class, not by the last word read: a
/// directive inside the value (one passed over, as `#Filter` is) leaves a
/// kind's name there.
TEST(IdentityProperties, AKindsNameLeftByADirectiveIsNoKind) {
  ::Run run("resource 'Vorl' (1) { { Kind {\n#Filter\n5 } } };\n", kLocaleEnglish);
  const std::string output = WriteSourceFile("out.rc", "");
  std::remove(output.c_str());
  const Conversion result = ConvertWith(run, output);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "ParseKindProperty: Invalid Token!, line 2\n");
}

/// `count` properties of the same kind, one a line: the input's lines are
/// kept short of the length at which the reader splits them.
std::string KindProperties(int count) {
  std::string list = "Kind { Filter }";
  for (int i = 1; i < count; ++i) list += ",\nKind { Filter }";
  return list;
}

TEST(PropertyCount, FillsItsThreeDigitsAndNoMore) {
  const Conversion longest = ConvertList(KindProperties(999));
  ASSERT_EQ(longest.status, 0) << longest.err;
  EXPECT_NE(longest.script.find("\tRSCS32(999), /* Property Count */\n"), std::string::npos);

  const Conversion tooMany = ConvertList(KindProperties(1000));
  EXPECT_EQ(tooMany.status, 1);
  EXPECT_EQ(tooMany.err, "ParseVorlBody: Too many properties, line 1000\n");
  EXPECT_FALSE(tooMany.outputExists);
}

}  // namespace
