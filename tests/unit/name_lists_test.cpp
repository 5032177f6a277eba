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

/// A place that takes names, as the description of the property list has
/// it: whether another word there fails, and whether a number may stand there.
struct Place {
  const char* keyword;
  const char* item;
  bool othersFail;
  bool takesNumber;
};

constexpr Place kPlaces[] = {
    {"Kind", "", true, false},
    {"SupportedModes", "", false, false},
    {"FilterCaseInfo", "input handling", true, false},
    {"FilterCaseInfo", "output handling", true, false},
    {"FilterCaseInfo", "first flag", false, true},
    {"FilterCaseInfo", "second flag", false, true},
    {"FilterCaseInfo", "third flag", false, false},
    {"FormatFlags", "", false, false},
    {"FormatICCFlags", "", false, false},
    {"ExportFlags", "", false, false},
    {"ZR_ImageFormat_Extension_Info", "", false, false},
};

const Place& PlaceOf(const NameList& list) {
  for (const Place& place : kPlaces)
    if (list.row->keyword == std::string_view(place.keyword) && list.place == place.item) return place;
  ADD_FAILURE() << "no such place: " << list.row->keyword << " " << list.place;
  return kPlaces[0];
}

TEST(NameLists, ThereIsOneListForEachPlaceThatTakesNames) {
  ASSERT_EQ(NameLists().size(), std::size(kPlaces));
  for (const NameList& list : NameLists()) {
    SCOPED_TRACE(std::string(list.row->keyword) + " " + std::string(list.place));
    EXPECT_FALSE(list.names.empty());
    const Place& place = PlaceOf(list);
    EXPECT_EQ(list.othersFail, place.othersFail);
    EXPECT_EQ(list.takesNumber, place.takesNumber);
  }
  // A filter case's lists stand in the order of its items.
  const std::span<const NameList> items = NameListsOf(RowOf(KW_FilterCaseInfo));
  ASSERT_EQ(items.size(), 5u);
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].place, kPlaces[2 + i].item);
}

TEST(NameLists, NoListHoldsANameTwice) {
  for (const NameList& list : NameLists()) {
    std::set<std::string_view> seen;
    for (const NamedBits& named : list.names)
      EXPECT_TRUE(seen.insert(named.name).second) << list.row->keyword << " " << named.name;
  }
}

// Each name is taken, and another word and a number fare where each place
// stands as the description has it.
TEST(NameLists, EveryNameIsTakenAndAnotherWordFailsWhereTheListSaysSo) {
  for (const NameList& list : NameLists()) {
    SCOPED_TRACE(std::string(list.row->keyword) + " " + std::string(list.place));
    for (const NamedBits& named : list.names) {
      const Conversion taken = ConvertProperty(PropertyWith(list, std::string(named.name)));
      EXPECT_EQ(taken.status, 0) << named.name << ": " << taken.err;
    }
    const Place& place = PlaceOf(list);
    const Conversion other = ConvertProperty(PropertyWith(list, "noSuchName"));
    EXPECT_EQ(other.status, place.othersFail ? 1 : 0) << other.err;
    const Conversion number = ConvertProperty(PropertyWith(list, "3"));
    EXPECT_EQ(number.status, place.takesNumber ? 0 : 1) << number.err;
  }
}

}  // namespace
