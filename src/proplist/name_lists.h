// The lists of names a property's value is read with, gathered from the
// property rows and the tables of value names when the program is compiled:
// the kinds, the image modes, the format, ICC, export and extension flags,
// and the handling names and flag items of a filter case. The reference of
// the language's names is written from them, and a message that suggests a
// name takes its candidates from them.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "proplist/property_rows.h"
#include "proplist/value_names.h"

/// The names one place of a property's value accepts.
struct NameList {
  const PropertyRow* row = nullptr;  ///< the property
  /// Where in the value the names stand: empty where they are the value's
  /// names (Kind, SupportedModes, ...), else the item ("input handling").
  std::string_view place;
  std::span<const NamedBits> names;
  /// Whether another word there fails the conversion; where not, it sets nothing.
  bool othersFail = false;
  /// Whether a number may stand in place of a name (a filter case's flags).
  bool takesNumber = false;
};

namespace name_lists {

/// Calls `visit` with every list, in the order of the property rows.
template <class Visit>
constexpr void ForEach(Visit visit) {
  for (const PropertyRow& row : property_rows::kRows) {
    if (row.layout == RecordLayout::kFilterCase) {
      // A case is input handling, output handling and the flag items; a
      // handling name outside its table fails.
      visit(NameList{&row, "input handling", kInputHandling, true, false});
      visit(NameList{&row, "output handling", kOutputHandling, true, false});
      for (const CaseFlag& flag : kCaseFlags)
        visit(NameList{&row, flag.place, flag.names, false, flag.takesNumber});
    } else if (!row.names.empty()) {
      // A token that is no kind fails; a flag name outside the table sets nothing.
      visit(NameList{&row, {}, row.names, row.layout == RecordLayout::kKind, false});
    }
  }
}

inline constexpr std::size_t kCount = [] {
  std::size_t count = 0;
  ForEach([&](const NameList&) { ++count; });
  return count;
}();

inline constexpr auto kLists = [] {
  std::array<NameList, kCount> lists{};
  std::size_t next = 0;
  ForEach([&](const NameList& list) { lists[next++] = list; });
  return lists;
}();

}  // namespace name_lists

/// Every list of names, in the order of the property rows.
constexpr std::span<const NameList> NameLists() { return name_lists::kLists; }

/// The lists of names of `row`'s value, in their order in the value; empty
/// where the value holds no names.
constexpr std::span<const NameList> NameListsOf(const PropertyRow& row) {
  const std::span<const NameList> all = NameLists();
  std::size_t first = 0;
  while (first < all.size() && all[first].row->token != row.token) ++first;
  std::size_t end = first;
  while (end < all.size() && all[end].row->token == row.token) ++end;
  return all.subspan(first, end - first);
}
