// Words that mean nothing where they stand: which name is near a mistyped
// word, and what preprocessing mode says of each place such a word can
// stand (the plain reading of the same sources is in the golden cases).
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/near_name.h"
#include "source_text.h"

namespace {

std::string NearestOf(std::string_view word, std::initializer_list<std::string_view> names) {
  NearName near(word);
  for (const std::string_view name : names) near.Consider(name);
  return std::string(near.nearest());
}

TEST(NearName, TakesTheNameOfFewestEditsAndNoFarOne) {
  const struct {
    std::string_view word;
    std::initializer_list<std::string_view> names;
    std::string_view nearest;
  } kCases[] = {
      // The same name in another case, before one edit away.
      {"doesSupportLabColor", {"doesSupportLab48", "doesSupportLABColor"}, "doesSupportLABColor"},
      // Up to two edits: changed, left out, added, swapped; three are far.
      {"kVersoin", {"kVersion"}, "kVersion"},
      {"kVrsion", {"kVersion"}, "kVersion"},
      {"kVersionn", {"kVersion"}, "kVersion"},
      {"kVxrsoin", {"kVersion"}, ""},
      {"kVers", {"kVersion"}, "kVersion"},
      // The word begins or ends a name, whatever the distance; a name that
      // begins or ends the word is not near for it.
      {"doesSupportMulti", {"doesSupportMultichannel"}, "doesSupportMultichannel"},
      {"labcolor", {"doesSupportLABColor"}, "doesSupportLABColor"},
      {"doesSupportLABColorSpaces", {"doesSupportLABColor"}, ""},
      {"noLABColor", {"doesSupportLABColor", "doesSupportRGBColor"}, ""},
      // Fewer edits win, then fewer when case counts, then byte order.
      {"Color", {"doesSupportRGBColor", "doesSupportCMYKColor", "doesSupportHSBColor"}, "doesSupportHSBColor"},
      {"abc", {"ABD", "abd", "abx"}, "abd"},
      {"abc", {"abx", "abd"}, "abd"},
      {"kBse", {"kB", "kBase"}, "kBase"},
      {"x", {}, ""},
  };
  for (const auto& entry : kCases) EXPECT_EQ(NearestOf(entry.word, entry.names), entry.nearest) << entry.word;

  // A word far longer than every name costs no more than its length.
  const std::string longWord(1 << 20, 'k');
  EXPECT_TRUE(NearestOf(longWord, {"kVersion", std::string_view(longWord).substr(3)}).empty());
  EXPECT_EQ(NearestOf(std::string_view(longWord).substr(9), {longWord}).size(), longWord.size());

  NearName near("Catagory");
  EXPECT_EQ(near.DidYouMean(), "");
  near.Consider("Category");
  EXPECT_EQ(near.DidYouMean(), " (did you mean 'Category'?)");
}

TEST(WordCheck, NamesWhatAWordWasMeantToBeWhereverItStands) {
  const std::string kMacros = "#define kBase 16000\n#define kVersion 0x00010002\n#define kSelf (1 + kSelf)\n"
                              "#define F(x) x\n#define kAVeryLongNameOfAMacroPastTheLexersWordLimit 1\n";
  const auto vorl = [&](const std::string& properties) {
    return kMacros + "resource 'Vorl' (kBase) {\n{\nKind { Filter },\n" + properties + "\n}\n};\n";
  };
  const std::string kCase = "inStraightData, outStraightData, filtersLayerMasks, worksWithBlankData, copySourceToDestination,\n";
  const struct {
    std::string source;
    std::string error;    ///< the failure, ending the run
    std::string warnings; ///< on standard error too, the run going on
  } kCases[] = {
      // Where a number must stand.
      {vorl("Version { kVersoin }"), "in.r:9: error: 'kVersoin' is not defined (did you mean 'kVersion'?)\n", ""},
      {vorl("Priority { 1 + (kBase - kBsae) }"), "in.r:9: error: 'kBsae' is not defined (did you mean 'kBase'?)\n", ""},
      {vorl("Priority { Kind }"), "in.r:9: error: 'Kind' is not defined\n", ""},
      {vorl("FormatMaxSize { { 10, kHeight } }"), "in.r:9: error: 'kHeight' is not defined\n", ""},
      {vorl("FormatMaxChannels { { 1, kChannels } }"), "in.r:9: error: 'kChannels' is not defined\n", ""},
      {vorl("HasTerminology { 'clas', 'evnt', kTermID, \"\" }"), "in.r:9: error: 'kTermID' is not defined\n", ""},
      {kMacros + "resource 'LStr' (kBsae) { { \"a\" } };\n",
       "in.r:6: error: 'kBsae' is not defined (did you mean 'kBase'?)\n", ""},
      // The lexer keeps a word's first 32 bytes.
      {vorl("Priority { kAVeryLongNameOfAMacroPastTheLexersWordLimt }"),
       "in.r:9: error: 'kAVeryLongNameOfAMacroPastTheLex' is not defined (did you mean "
       "'kAVeryLongNameOfAMacroPastTheLexersWordLimit'?)\n", ""},
      // A property's keyword, and the names of lists where another word fails.
      {vorl("Catagory { \"Acme\" }"), "in.r:9: error: 'Catagory' is no property (did you mean 'Category'?)\n", ""},
      {vorl("Filter { \"Acme\" }"), "in.r:9: error: 'Filter' is no property (did you mean 'FilteredTypes'?)\n", ""},
      {vorl("Flavour { \"Acme\" }"), "in.r:9: error: 'Flavour' is no property\n", ""},
      // Not a word: the message as without options, at the last word's line.
      {vorl("7"), "in.r:8: error: ParseVorlBody: Unexpected Token\n", ""},
      {kMacros + "resource 'Vorl' (1) { { Kind { Filtr } } };\n",
       "in.r:6: error: 'Filtr' is no name of Kind (did you mean 'Filter'?)\n", ""},
      {vorl("FilterCaseInfo { { inStraightDat, outStraightData, 0, 0, 0 } }"),
       "in.r:9: error: 'inStraightDat' is no name of the input handling of FilterCaseInfo (did you mean "
       "'inStraightData'?)\n", ""},
      {vorl("FilterCaseInfo { { inStraightData, outFillMsk, 0, 0, 0 } }"),
       "in.r:9: error: 'outFillMsk' is no name of the output handling of FilterCaseInfo (did you mean "
       "'outFillMask'?)\n", ""},
      // Lists where another word sets nothing: a warning, and the run goes on.
      {vorl("FilterCaseInfo { { " + kCase + kCase + kCase + kCase + kCase + kCase +
            "inStraightData, outStraightData, 0, worksWithBlankDta, copySourceToDestinatio } }"),
       "", "in.r:15: warning: 'worksWithBlankDta' is no name of the second flag of FilterCaseInfo (did you mean "
           "'worksWithBlankData'?)\nin.r:15: warning: 'copySourceToDestinatio' is no name of the third flag of "
           "FilterCaseInfo (did you mean 'copySourceToDestination'?)\n"},
      {vorl("FormatICCFlags { iccCanEmbedRgb, iccCanEmbedCMYK },\nExportFlags { expSupportsTransparancy }"),
       "", "in.r:9: warning: 'iccCanEmbedRgb' is no name of FormatICCFlags (did you mean 'iccCanEmbedRGB'?)\n"
           "in.r:10: warning: 'expSupportsTransparancy' is no name of ExportFlags (did you mean "
           "'expSupportsTransparency'?)\n"},
      {vorl("ZR_ImageFormat_Extension_Info { 1, 0, hasVdeo, still } 'ABCD' }"),
       "", "in.r:9: warning: 'hasVdeo' is no name of ZR_ImageFormat_Extension_Info (did you mean 'hasVideo'?)\n"},
      // A number's suffix is its own; what C leaves a name is refused: a
      // macro inside its own text, a function-like macro without arguments.
      {vorl("Version { 0x00010002L }, Priority { 5 + 0x1fUL }"), "", ""},
      {vorl("Priority { kSelf }"),
       "in.r:9: error: 'kSelf' is a macro's name inside its own replacement, which C leaves a name\n", ""},
      {vorl("Version { 1 + F }"), "in.r:9: error: 'F' is a macro with parameters, named without arguments\n", ""},
  };
  for (const auto& entry : kCases) {
    const Conversion result = ConvertPreprocessed(entry.source);
    EXPECT_EQ(result.err, entry.error + entry.warnings) << entry.source;
    EXPECT_EQ(result.out, "") << entry.source;
    EXPECT_EQ(result.status, entry.error.empty() ? 0 : 1) << entry.source;
  }
}

}  // namespace
