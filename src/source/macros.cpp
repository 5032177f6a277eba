// The macro table. A later definition of a name shadows the earlier one and
// nothing is ever removed, so the newest entry per name is all a lookup can
// see: one entry per name, overwritten by a redefinition, answers the same.
#include "source/macros.h"

#include <string_view>
#include <unordered_map>

namespace {

struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

std::unordered_map<std::string, Macro, NameHash, std::equal_to<>> table;

}  // namespace

Macro* LookupMacro(const char* name) {
  if (table.empty()) return nullptr;
  const auto found = table.find(std::string_view(name));
  return found == table.end() ? nullptr : &found->second;
}

Macro* AddMacro(const char* name) {
  Macro& macro = table[std::string(name)];
  macro = Macro{};
  macro.macroName = name;
  return &macro;
}

void ResetMacros() { table.clear(); }
