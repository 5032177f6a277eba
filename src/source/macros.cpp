// The macro table.
#include "source/macros.h"

#include <cstring>

Macro* MacroTable::LookupMacro(std::string_view name) {
  if (!MayBeName(name)) return nullptr;
  const auto found = table_.find(name);
  return found == table_.end() ? nullptr : &found->second;
}

Macro* MacroTable::AddMacro(const char* name) {
  const std::size_t length = std::strlen(name);
  const auto first = static_cast<unsigned char>(name[0]);
  firstBytes_[first >> 6] |= std::uint64_t{1} << (first & 63);
  lengths_ |= std::uint64_t{1} << (length < 63 ? length : 63);
  Macro& macro = table_[std::string(name, length)];
  macro = Macro{};
  return &macro;
}
