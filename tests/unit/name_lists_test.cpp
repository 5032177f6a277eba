// The lists of names a property's value is read with: one for each place of
// a value that takes names, and what they say of a name and of another word
// holds for the converter.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "proplist/name_lists.h"
#include "source_text.h"

namespace {

/// A property list holding `list`'s property with `word` where the list's
/// names stand, every other place filled with what it accepts.
std::string PropertyWith(const NameList& list, const std::string& word) {
  const std::string keyword = list.row->keyword;
  switch (list.row->layout) {
    case RecordLayout::kFilterCase: {
      std::string items[] = {"inCantFilter", "outCantFilter", "0", "0", "none"};
      const std::span<const NameList> lists = NameListsOf(*list.row);
      for (std::size_t i = 0; i < lists.size(); ++i)
        if (lists[i].place == list.place) items[i] = word;
      std::string cases;
      for (int i = 0; i < kFilterCaseCount; ++i) {
        cases += i == 0 ? "" : ", ";
        cases += items[0] + ", " + items[1] + ", " + items[2] + ", " + items[3] + ", " + items[4];
      }
      return keyword + " { { " + cases + " } }";
    }
    case RecordLayout::kFormatExtension:
      return keyword + " { 1, 0, " + word + " } 'sign' }";
    default:
      return keyword + " { " + word + " }";
  }
}

Conversion ConvertProperty(const std::string& property) {
  return ConvertText("in.r", "resource 'Vorl' (1) { { " + property + " } };\n");
}

TEST(NameLists, EveryRowWithNamesHasItsList) {
  for (const PropertyRow& row : PropertyRows()) {
    SCOPED_TRACE(row.keyword);
    const std::span<const NameList> lists = NameListsOf(row);
    for (const NameList& list : lists) EXPECT_EQ(list.row, &row);
    if (row.layout == RecordLayout::kFilterCase) {
      ASSERT_EQ(lists.size(), 2 + std::size(kCaseFlags));
      EXPECT_EQ(lists[0].place, "input handling");
      EXPECT_EQ(lists[0].names.data(), kInputHandling);
      EXPECT_EQ(lists[1].names.data(), kOutputHandling);
      EXPECT_EQ(lists[2].place, "first flag");
      EXPECT_TRUE(lists[2].takesNumber);
      EXPECT_FALSE(lists[4].takesNumber);
    } else if (row.names.empty()) {
      EXPECT_TRUE(lists.empty());
    } else {
      ASSERT_EQ(lists.size(), 1u);
      EXPECT_EQ(lists[0].place, "");
      EXPECT_EQ(lists[0].names.data(), row.names.data());
      EXPECT_EQ(lists[0].names.size(), row.names.size());
    }
  }
  EXPECT_EQ(NameListsOf(RowOf(KW_SupportedModes))[0].names.data(), kImageModes);
  EXPECT_EQ(NameListsOf(RowOf(KW_Kind))[0].names.data(), kKindNames);
}

TEST(NameLists, NoListHoldsANameTwice) {
  for (const NameList& list : NameLists()) {
    std::set<std::string_view> seen;
    for (const NamedBits& named : list.names)
      EXPECT_TRUE(seen.insert(named.name).second) << list.row->keyword << " " << named.name;
  }
}

// What a list says of its names and of other words is what the converter does.
TEST(NameLists, EveryNameIsTakenAndAnotherWordFailsWhereTheListSaysSo) {
  for (const NameList& list : NameLists()) {
    SCOPED_TRACE(std::string(list.row->keyword) + " " + std::string(list.place));
    for (const NamedBits& named : list.names) {
      const Conversion taken = ConvertProperty(PropertyWith(list, std::string(named.name)));
      EXPECT_EQ(taken.status, 0) << named.name << ": " << taken.err;
    }
    const Conversion other = ConvertProperty(PropertyWith(list, "noSuchName"));
    EXPECT_EQ(other.status, list.othersFail ? 1 : 0) << other.err;
    const Conversion number = ConvertProperty(PropertyWith(list, "3"));
    EXPECT_EQ(number.status, list.takesNumber ? 0 : 1) << number.err;
  }
}

}  // namespace
