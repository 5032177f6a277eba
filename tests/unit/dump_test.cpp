// VorlDump where golden cases cannot show it: its string bytes against the
// converter's translation, the spelling of strings against the converter's count, and
// mutated files that must end in text or a DumpError.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/locale.h"
#include "base/translate.h"
#include "dump/bytes.h"
#include "dump/dump.h"
#include "dump/string_text.h"
#include "proplist/string_field.h"
#include "source_text.h"

namespace {

TEST(DumpTables, StringBytesAreTheConvertersTranslationReversed) {
  const dump::TextRules english;
  const dump::TextRules japanese(kLocaleJapanese);
  for (int windows = 0; windows < 256; ++windows) {
    const auto byte = static_cast<std::uint8_t>(windows);
    bool reachable = false;
    for (int mac = 0; mac < 256; ++mac) reachable |= MacToWinChar(static_cast<unsigned char>(mac)) == windows;
    ASSERT_EQ(english.SourceByte(byte) >= 0, reachable) << windows;
    if (reachable) {
      EXPECT_EQ(MacToWinChar(static_cast<unsigned char>(english.SourceByte(byte))), windows);
    }
    EXPECT_EQ(japanese.SourceByte(byte), windows);
  }
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
  // Longer than the dump spells, or than any count a text reaches.
  constexpr std::size_t kLongest = dump::kLongestSpelledText;
  EXPECT_FALSE(dump::PropertyStringText(std::vector<std::uint8_t>(kLongest + 1, 'a'),
                                        dump::CountRule::kCharacters, kLongest + 1, dump::TextRules()));
  EXPECT_FALSE(dump::PropertyStringText(std::vector<std::uint8_t>(3, 'a'),
                                        dump::CountRule::kCharacters, 5000, dump::TextRules()));
  // A tab is two characters at least: the longest text holds it last, and
  // no longer one is spelled.
  std::vector<std::uint8_t> tabbed(kLongest - 2, 'a');
  tabbed.push_back('\t');
  EXPECT_EQ(dump::PropertyStringText(tabbed, dump::CountRule::kCharacters, kLongest, dump::TextRules()),
            std::string(kLongest - 2, 'a') + "\\t");
  EXPECT_FALSE(dump::PropertyStringText(tabbed, dump::CountRule::kCharacters, kLongest + 1, dump::TextRules()));
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

/// A patch of a few bytes, little-endian, at an offset.
struct Patch {
  std::size_t offset;
  std::uint32_t value;
  int size;
};

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> bytes, std::initializer_list<Patch> patches) {
  for (const Patch& patch : patches) {
    for (int i = 0; i < patch.size; ++i) bytes.at(patch.offset + i) = static_cast<std::uint8_t>(patch.value >> (8 * i));
  }
  return bytes;
}

/// What a dump of `bytes` ends with: its text, or its error message.
std::string DumpOrError(const std::vector<std::uint8_t>& bytes) {
  try {
    return dump::DumpResources(bytes, dump::TextRules{});
  } catch (const dump::DumpError& failure) {
    return failure.what();
  }
}

/// Headers broken in each way the readers check, in the 64-bit example DLL
/// (PE header at 0x78, optional header at 0x90) and in a small .res file.
TEST(DumpReaders, BrokenHeadersNameTheirOffset) {
  const std::vector<std::uint8_t> dll = CaseInput("dump-dll64-format-example/plugin.8bi");
  ASSERT_EQ(dll.size(), 1024u);
  const struct {
    std::vector<std::uint8_t> bytes;
    std::string result;
  } kCases[] = {
      {Patched(dll, {{0x78, 0x5850, 2}}), "PE signature at offset 0x78: not \"PE\\0\\0\""},
      {Patched(dll, {{0x3C, 0x4000, 4}}), "PE signature at offset 0x4000: 4 bytes run past the end of the file (1024 bytes)"},
      {Patched(dll, {{0x90, 0x999, 2}}), "optional header at offset 0x90: unknown magic 0x999"},
      {Patched(dll, {{0x8C, 100, 2}}), "optional header at offset 0x90: too short"},
      // Ending right after the count of data directories is long enough: it
      // holds no directory, so no resources.
      {Patched(dll, {{0x8C, 111, 2}}), "optional header at offset 0x90: too short"},
      {Patched(dll, {{0x8C, 112, 2}}), ""},
      {Patched(dll, {{0x7E, 0xFFFF, 2}}), "section table at offset 0x180: 2621400 bytes run past the end of the file (1024 bytes)"},
      // Two data directories leave none for resources; so does an address of 0.
      {Patched(dll, {{0xFC, 2, 4}}), ""},
      {Patched(dll, {{0x110, 0, 4}}), ""},
      {Patched(dll, {{0x110, 0x9000, 4}}), "resource data directory at offset 0x110: its relative address 0x9000 lies in no section of the file"},
  };
  for (const auto& broken : kCases) EXPECT_EQ(DumpOrError(broken.bytes), broken.result);

  // A .res file: the empty first resource, then one of type VORL named 1.
  std::vector<std::uint8_t> res = {0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};
  res.resize(32);
  const std::vector<std::uint8_t> vorl = {0, 0, 0, 0, 0x2C, 0, 0, 0, 'V', 0, 'O', 0, 'R', 0, 'L', 0, 0, 0,
                                          0xFF, 0xFF, 1, 0, 0, 0};
  res.insert(res.end(), vorl.begin(), vorl.end());
  res.resize(32 + 0x2C);
  EXPECT_EQ(DumpOrError(res), "resource 'Vorl' (1) {\n    {\n        /* not a property list: 0 bytes, fewer than its header */\n    }\n};\n\n");
  constexpr std::uint32_t kAA = 0x00410041;  // "AA" in UTF-16
  const struct {
    std::vector<std::uint8_t> bytes;
    std::string result;
  } kResCases[] = {
      {Patched(res, {{36, 0x10, 4}}), "resource header at offset 0x20: header size 16 is too small"},
      {Patched(res, {{36, 0x20, 4}}), "resource header at offset 0x20: too short for its fixed fields"},
      // The type's text runs to the header's end; the name then finds no
      // room, or no room for its number.
      {Patched(res, {{36, 0x20, 4}, {48, kAA, 4}, {52, kAA, 4}, {56, kAA, 4}, {60, kAA, 4}}),
       "resource type or name at offset 0x28: runs past its header"},
      {Patched(res, {{36, 0x20, 4}, {48, kAA, 4}, {52, kAA, 4}, {56, kAA, 4}, {60, 0x41, 2}}),
       "resource type or name at offset 0x40: runs past its header"},
      {Patched(res, {{36, 0x24, 4}, {48, kAA, 4}, {52, kAA, 4}, {56, kAA, 4}, {60, kAA, 4}, {66, 0xFFFF, 2}}),
       "resource type or name at offset 0x42: runs past its header"},
  };
  for (const auto& broken : kResCases) EXPECT_EQ(DumpOrError(broken.bytes), broken.result);
  // Korean output keeps the bytes as Japanese does; other languages translate.
  EXPECT_TRUE(dump::RulesForOutput("back_KOREAN.r").IsLeadByte(0x81));
  EXPECT_FALSE(dump::RulesForOutput("back_GERMAN.r").IsLeadByte(0x81));
}

/// A resource's name may end with the file: its units are read up to the
/// last byte and no further. (The 64-bit example's one resource, 16001, is
/// named by a string in the file's last four bytes: one unit, "A".)
TEST(DumpReaders, ANameEndingWithTheFileIsReadWhole) {
  const std::vector<std::uint8_t> named =
      Patched(CaseInput("dump-dll64-format-example/plugin.8bi"), {{0x228, 0x800001FC, 4}, {0x3FC, 0x00410001, 4}});
  EXPECT_EQ(DumpOrError(named).substr(0, 66), "// Named \"A\" in the file, not numbered.\nresource 'Vorl' (0, \"A\") {");
  const std::vector<std::uint8_t> cut(named.begin(), named.end() - 1);
  EXPECT_EQ(DumpOrError(cut), "resource directory string at offset 0x3FE: 2 bytes run past the end of the file (1023 bytes)");
}

/// Flipped, cut and repeated bytes of real files: every run ends in text or
/// a DumpError (the sanitizer build checks that nothing reads out of bounds).
TEST(DumpRobustness, MutatedFilesEndInTextOrDumpError) {
  std::mt19937 random(1515);
  const dump::TextRules eastAsian(kLocaleJapanese);
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
