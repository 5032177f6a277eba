// The macro table.
#include "source/macros.h"

Macro* MacroTable::LookupMacro(std::string_view name) {
  if (!MayBeName(name)) return nullptr;
  const auto found = table_.find(name);
  return found == table_.end() ? nullptr : &found->second;
}

Macro* MacroTable::AddMacro(std::string_view name) {
  const std::size_t length = name.size();
  const auto first = static_cast<unsigned char>(name.empty() ? '\0' : name[0]);
  firstBytes_[first >> 6] |= std::uint64_t{1} << (first & 63);
  lengths_ |= std::uint64_t{1} << (length < 63 ? length : 63);
  ++generation_;
  Macro& macro = table_[std::string(name)];
  macro = Macro{};
  return &macro;
}

void MacroTable::RemoveMacro(std::string_view name) {
  if (const auto found = table_.find(name); found != table_.end()) {
    table_.erase(found);
    ++generation_;
  }
}
