// VorlDump where golden cases cannot show it: its tables against the
// converter's, the spelling of strings against the converter's count, and
// mutated files that must end in text or a DumpError.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "driver/locale.h"
#include "driver/run.h"
#include "dump/bytes.h"
#include "dump/dump.h"
#include "dump/mac_charset.h"
#include "dump/property_table.h"
#include "dump/string_text.h"
#include "proplist/record.h"
#include "strings/translate.h"

namespace {

TEST(DumpTables, CharacterSetIsTheConvertersTranslationReversed) {
  SelectLocale(kLocaleEnglish);
  for (int mac = 0; mac < 256; ++mac) {
    ASSERT_EQ(dump::MacToWindows(static_cast<std::uint8_t>(mac)),
              MacToWinChar(static_cast<unsigned char>(mac)))
        << mac;
  }
  for (int windows = 0; windows < 256; ++windows) {
    const int mac = dump::MacByteFor(static_cast<std::uint8_t>(windows));
    bool reachable = false;
    for (int m = 0; m < 256; ++m) reachable |= MacToWinChar(static_cast<unsigned char>(m)) == windows;
    ASSERT_EQ(mac >= 0, reachable) << windows;
    if (mac >= 0) {
      EXPECT_EQ(MacToWinChar(static_cast<unsigned char>(mac)), windows);
    }
  }
  ResetRunState();
}

TEST(DumpTables, EveryPropertyKeywordHasARow) {
  const std::vector<std::string> dropped = {"Code68K", "CodePowerPC"};
  std::vector<std::string> keywords = {
#define STATEMENT(text, cls, num)
#define PROPERTY(word, num, parser) #word,
#define KIND(word, num, code)
#include "source/keywords.def"
#undef STATEMENT
#undef PROPERTY
#undef KIND
  };
  std::size_t rows = 0;
  for (const std::string& keyword : keywords) {
    if (keyword == dropped[0] || keyword == dropped[1]) continue;
    ++rows;
    bool found = false;
    for (const dump::PropertyRow& row : dump::PropertyRows()) found |= keyword == row.keyword;
    EXPECT_TRUE(found) << keyword;
  }
  EXPECT_EQ(dump::PropertyRows().size(), rows);
}

/// Random byte strings spelled for random counts: whatever text comes back
/// must count exactly that under the converter's own rule, and fit a literal.
TEST(DumpStrings, SpelledTextCountsWhatTheLengthFieldsSay) {
  std::mt19937 random(15);
  const dump::TextRules rules;
  int spelled = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> bytes(random() % 12);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random() % 3 == 0 ? random() % 256 : 'a' + random() % 26);
    const int target = static_cast<int>(bytes.size() + random() % (3 * bytes.size() + 2));
    for (auto rule : {dump::CountRule::kCharacters, dump::CountRule::kEscapesAsBytes}) {
      const auto text = dump::PropertyStringText(bytes, rule, target, rules);
      if (!text) continue;
      ++spelled;
      const int written = static_cast<int>(text->size());
      const int counted = rule == dump::CountRule::kCharacters
                              ? written
                              : written - CountEscapeExtras(text->c_str());
      ASSERT_EQ(counted, target) << *text;
      ASSERT_EQ(std::strlen(text->c_str()), text->size()) << "a zero byte written raw";
    }
  }
  EXPECT_GT(spelled, 1000);
}

TEST(DumpStrings, NoSpellingForCountsOutOfReach) {
  const std::vector<std::uint8_t> abc = {'a', 'b', 'c'};
  const dump::TextRules rules;
  EXPECT_FALSE(dump::PropertyStringText(abc, dump::CountRule::kCharacters, 2, rules));
  EXPECT_FALSE(dump::PropertyStringText(abc, dump::CountRule::kCharacters, 13, rules));
  EXPECT_EQ(dump::PropertyStringText(abc, dump::CountRule::kCharacters, 12, rules),
            "\\x61\\x62\\x63");
  // The host's strings count escapes as the bytes they stand for.
  EXPECT_EQ(dump::PropertyStringText(abc, dump::CountRule::kEscapesAsBytes, 3, rules), "abc");
}

std::vector<std::uint8_t> CaseInput(const std::string& path) {
  std::ifstream in(std::string(VORL_DUMP_CASES) + "/" + path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

/// Flipped, cut and repeated bytes of real files: every run ends in text or
/// a DumpError (the sanitizer build checks that nothing reads out of bounds).
TEST(DumpRobustness, MutatedFilesEndInTextOrDumpError) {
  std::mt19937 random(1515);
  dump::TextRules eastAsian;
  eastAsian.translate = false;
  eastAsian.doubleByte = true;
  for (const char* path : {"dump-dll32-every-family/plugin.dll",
                           "dump-dll64-format-example/plugin.8bi",
                           "dump-res-effect-example/in.res",
                           "dump-unknown-and-malformed-records/in.res"}) {
    const std::vector<std::uint8_t> original = CaseInput(path);
    ASSERT_FALSE(original.empty()) << path;
    int dumped = 0;
    for (int round = 0; round < 400; ++round) {
      std::vector<std::uint8_t> bytes = original;
      const int edits = 1 + static_cast<int>(random() % 8);
      for (int edit = 0; edit < edits; ++edit) {
        const std::size_t at = random() % bytes.size();
        switch (random() % 4) {
          case 0: bytes[at] = static_cast<std::uint8_t>(random()); break;
          case 1: bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8)); break;
          case 2: bytes[at] = random() % 2 ? 0xFF : 0x00; break;
          default: bytes.resize(std::max<std::size_t>(at, 1)); break;
        }
      }
      try {
        dump::DumpResources(bytes, round % 2 ? eastAsian : dump::TextRules{});
        ++dumped;
      } catch (const dump::DumpError&) {
      }
    }
    EXPECT_GT(dumped, 0) << path;
  }
}

}  // namespace
