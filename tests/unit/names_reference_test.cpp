// The reference of the language's names: the committed pages are what the
// tables give, every property and every name of every list stands in both,
// and names_reference writes and checks them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "proplist/name_lists.h"
#include "reference/names_reference.h"
#include "source_text.h"

namespace {

/// The text of `page` from `from` to the next line that begins with `until`
/// (to its end without one).
std::string Between(const std::string& page, const std::string& from, const std::string& until) {
  const std::size_t start = page.find(from);
  if (start == std::string::npos) return "";
  const std::size_t end = page.find("\n" + until, start + from.size());
  return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(NamesReference, CommittedPagesAreWhatTheTablesGive) {
  EXPECT_EQ(SourceTreeFile("doc/properties.md"), ReferenceMarkdown())
      << "after changing a table: cmake --build build --target reference";
  const std::string page = SourceTreeFile("doc/VorlTool.1");
  EXPECT_EQ(WithPropertiesSection(page, ReferenceManSection()), page)
      << "after changing a table: cmake --build build --target reference";
}

// Read from the committed pages, so that a row is missed whatever writes them.
TEST(NamesReference, EveryPropertyAndEveryNameIsInBothPages) {
  const std::string markdown = SourceTreeFile("doc/properties.md");
  const std::string man = Between(SourceTreeFile("doc/VorlTool.1"), ".SH PROPERTIES", ".SH ");
  ASSERT_FALSE(man.empty());
  for (const PropertyRow& row : PropertyRows()) {
    const std::string keyword = row.keyword;
    EXPECT_NE(markdown.find("| `" + keyword + "` | `" + keyword + " {"), std::string::npos)
        << keyword;
    EXPECT_NE(man.find("\n\\fB" + keyword + " {"), std::string::npos) << keyword;
  }
  for (const NameList& list : NameLists()) {
    std::string title = list.row->keyword;
    if (!list.place.empty()) title += ": " + std::string(list.place);
    const std::string mdList = Between(markdown, "\n### " + title + "\n", "#");
    const std::string manList = Between(man, "\n.B " + title + "\n", ".TP");
    ASSERT_FALSE(mdList.empty()) << title;
    ASSERT_FALSE(manList.empty()) << title;
    for (const NamedBits& named : list.names) {
      const std::string name(named.name);
      EXPECT_NE(mdList.find("\n| `" + name + "` |"), std::string::npos) << title << " " << name;
      EXPECT_NE(manList.find("\\%" + name + " ("), std::string::npos) << title << " " << name;
    }
    const char* rule = list.othersFail ? "Anything else there fails" : "Another word sets nothing";
    EXPECT_NE(mdList.find(rule), std::string::npos) << title;
    EXPECT_NE(manList.find(rule), std::string::npos) << title;
  }
}

TEST(NamesReference, FormsAndValuesReadAsTheLanguageWritesThem) {
  const std::string markdown = ReferenceMarkdown();
  for (const char* row : {
           "| `Kind` | `Kind { kind }` | `'kind'` |",
           "| `Version` | `Version { number }` | `'vers'` |",
           "| `RequiredHost` | `RequiredHost { 'code' }` | `'host'` |",
           "| `Name` | `Name { \"text\" }` | `'name'` |",
           "| `Code68K` | `Code68K { ... }` | none: skipped, with a notice |",
           "| `SupportedModes` | `SupportedModes { name, ... }` | `'mode'` |",
           "| `FilterCaseInfo` | `FilterCaseInfo { { case, ... } }` | `'fici'` |",
           "| `FmtFileType` | `FmtFileType { 'type', 'creator' }` | `'fmTC'` |",
           "| `ReadTypes` | `ReadTypes { { 'type', 'creator', ... }, ... }` | `'RdTy'` |",
           "| `FilteredTypes` | `FilteredTypes { { 'type', 'creator' }, ... }` | `'fftT'` |",
           "| `ReadExtensions` | `ReadExtensions { { 'ext', ... }, ... }` | `'RdEx'` |",
           "| `ParsableExtensions` | `ParsableExtensions { { 'ext' }, ... }` | `'psEX'` |",
           "| `ParsableClipboardTypes` | `ParsableClipboardTypes { { 'type' }, ... }` | `'psCB'` |",
           "| `FormatMaxSize` | `FormatMaxSize { { integer, integer } }` | `'mxsz'` |",
           "| `FormatMaxChannels` | `FormatMaxChannels { { integer, ... } }` | `'mxch'` |",
           "| `HasTerminology` | `HasTerminology { 'class', 'event', integer, \"text\" }` | "
           "`'hstm'` |",
           "| `ZR_Vorl_Version` | `ZR_Vorl_Version { integer, integer }` | `'ePVR'` |",
           "| `ZR_ImageFormat_Extension_Info` | `ZR_ImageFormat_Extension_Info { integer, integer, "
           "name, ... } 'code' }` | `'FXMF'` |",
           // A kind's code; bits in as many digits as the list's largest.
           "| `ZRGP` | `'ZRgx'` |",
           "| `doesSupportDuotone16` | `0x0001` |",
           "| `inForegroundZap` | `0x0B` |",
           "| `input` | `0x0001` |",
           "| `doesNotFilterLayerMasks` | `0x00` |",
       }) {
    EXPECT_NE(markdown.find(std::string("\n") + row + "\n"), std::string::npos) << row;
  }
  EXPECT_NE(markdown.find("a *case* is 5 items separated by commas: input handling, output "
                          "handling, first flag, second flag, third flag"),
            std::string::npos);
  EXPECT_NE(markdown.find("At most 11 names stand there; after the 11th and a comma the *code* "
                          "follows at once"),
            std::string::npos);
  // The example the page gives converts, read either way.
  const std::string example = "ZR_ImageFormat_Extension_Info { 1, 0, input, output } 'SIGN' }";
  ASSERT_NE(markdown.find("`" + example + "`"), std::string::npos);
  const std::string source = "resource 'Vorl' (1) { { Kind { ZRImageFormat }, " + example + " } };\n";
  EXPECT_EQ(ConvertText("in.r", source).status, 0);
  EXPECT_EQ(ConvertPreprocessed(source).status, 0);
  EXPECT_NE(markdown.find("An *integer* may stand in place of a name"), std::string::npos);

  // The manual page's fonts and escapes: placeholders italic, the rest bold,
  // quotes and minus signs as groff shows them, names never hyphenated.
  const std::string man = ReferenceManSection();
  EXPECT_EQ(man.rfind(".SH PROPERTIES\n", 0), 0u);
  EXPECT_EQ(man.find("\n.SH"), std::string::npos);
  EXPECT_NE(man.find("\n\\fBRequiredHost { \\(aq\\fP\\fIcode\\fP\\fB\\(aq }\\fP\n"),
            std::string::npos);
  EXPECT_NE(man.find("\n\\fBName { \\(dq\\fP\\fItext\\fP\\fB\\(dq }\\fP\n"), std::string::npos);
  EXPECT_NE(man.find("combined with \\fB+ \\- * / | <<\\fP and parentheses"), std::string::npos);
  EXPECT_NE(man.find("\n.B FormatFlags\n\\%fmtSavesImageResources (0x40), \\%fmtCanRead (0x20)"),
            std::string::npos);
  EXPECT_NE(man.find("\n.I kind, name\n"), std::string::npos);
  EXPECT_NE(man.find("\n.B ...\n"), std::string::npos);
}

TEST(NamesReference, TheSectionIsReplacedWhereverItStands) {
  const std::string section = ".SH PROPERTIES\nnew\n";
  EXPECT_EQ(WithPropertiesSection(".TH X\n.SH PROPERTIES\nold\nlines\n.SH OUTPUT\nout\n", section),
            ".TH X\n.SH PROPERTIES\nnew\n.SH OUTPUT\nout\n");
  EXPECT_EQ(WithPropertiesSection(".TH X\n.SH PROPERTIES\n.SH OUTPUT\n", section),
            ".TH X\n.SH PROPERTIES\nnew\n.SH OUTPUT\n");
  EXPECT_EQ(WithPropertiesSection(".SH PROPERTIES\nold\n.SH OUTPUT\n", section),
            ".SH PROPERTIES\nnew\n.SH OUTPUT\n");
  EXPECT_EQ(WithPropertiesSection(".TH X\n.SH PROPERTIES\nold\n", section),
            ".TH X\n.SH PROPERTIES\nnew\n");
  // A line that only begins so is no heading of the section.
  EXPECT_EQ(WithPropertiesSection(".TH X\n.SH PROPERTIES LIST\n.SH OUTPUT\n", section),
            std::nullopt);
  EXPECT_EQ(WithPropertiesSection(".TH X\nsee .SH PROPERTIES\n", section), std::nullopt);
  EXPECT_EQ(WithPropertiesSection("", section), std::nullopt);
}

/// Runs names_reference with `args` and returns its status and streams.
struct Result {
  int status;
  std::string out;
  std::string err;
};
Result RunProgram(std::vector<const char*> args) {
  args.insert(args.begin(), "names_reference");
  CapturedStreams streams;
  const int status = RunNamesReference(static_cast<int>(args.size()), args.data());
  streams.Finish();
  return {status, streams.out, streams.err};
}

TEST(NamesReference, TheProgramWritesThePagesAndChecksThem) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                       ("vorl_" + ProcessTag() + "_" + info->name());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string doc = folder.string();
  const std::string page = doc + "/VorlTool.1";
  const std::string markdown = doc + "/properties.md";

  // No page to put the section in.
  Result result = RunProgram({doc.c_str()});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "names_reference: " + page + " cannot be read\n");
  std::ofstream(page, std::ios::binary) << ".TH VORLTOOL 1\n.SH OUTPUT\n";
  result = RunProgram({"--check", doc.c_str()});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "names_reference: " + page + " has no line \".SH PROPERTIES\"\n");

  std::ofstream(page, std::ios::binary) << ".TH VORLTOOL 1\n.SH PROPERTIES\nold\n.SH OUTPUT\n";
  const std::string stale = "names_reference: " + page + " is not what the tables give";
  result = RunProgram({"--check", doc.c_str()});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("names_reference: " + markdown + " is not what the tables give;"),
            std::string::npos);
  EXPECT_NE(result.err.find(stale), std::string::npos);
  EXPECT_EQ(ReadFile(page), ".TH VORLTOOL 1\n.SH PROPERTIES\nold\n.SH OUTPUT\n");
  EXPECT_FALSE(std::filesystem::exists(markdown));

  result = RunProgram({doc.c_str()});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "names_reference: wrote " + markdown + "\nnames_reference: wrote " + page + "\n");
  EXPECT_EQ(ReadFile(markdown), ReferenceMarkdown());
  EXPECT_EQ(ReadFile(page), ".TH VORLTOOL 1\n" + ReferenceManSection() + ".SH OUTPUT\n");
  result = RunProgram({"--check", doc.c_str()});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  // Written again, nothing changes and nothing is written.
  result = RunProgram({doc.c_str()});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");

  // A page whose section was edited by hand is found out, and only it.
  std::string edited = ReadFile(page);
  edited.insert(edited.find("\n.SH OUTPUT"), "\nedited");
  std::ofstream(page, std::ios::binary) << edited;
  result = RunProgram({"--check", doc.c_str()});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.find(markdown), std::string::npos);
  EXPECT_NE(result.err.find(stale), std::string::npos);

  // An output that cannot be written.
  std::filesystem::remove(markdown);
  std::filesystem::create_directory(markdown);
  result = RunProgram({doc.c_str()});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "names_reference: " + markdown + " cannot be written\n");

  const std::vector<const char*> wrongs[] = {
      {}, {"--check"}, {doc.c_str(), doc.c_str()}, {"--check", "a", "b"}};
  for (const std::vector<const char*>& wrong : wrongs) {
    result = RunProgram(wrong);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Usage: names_reference [--check] <doc folder>\n");
  }
  // Not even the program's name.
  CapturedStreams streams;
  EXPECT_EQ(RunNamesReference(0, nullptr), 2);
  streams.Finish();
  std::filesystem::remove_all(folder);
}

}  // namespace
