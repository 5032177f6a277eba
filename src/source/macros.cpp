// The macro table.
#include "source/macros.h"

Macro* MacroTable::LookupMacro(const char* name) {
  if (table_.empty()) return nullptr;
  const auto found = table_.find(std::string_view(name));
  return found == table_.end() ? nullptr : &found->second;
}

Macro* MacroTable::AddMacro(const char* name) {
  Macro& macro = table_[std::string(name)];
  macro = Macro{};
  return &macro;
}
