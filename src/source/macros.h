// The plain reading's macro table: every #define adds an entry; a later one
// of the same name shadows the earlier, and none is ever removed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "source/name_table.h"

enum MacroKind : int32_t {
  kMacroNone = 0,
  kMacroNumber = 1,
  kMacroString = 2,
};

struct Macro {
  int32_t kind = kMacroNone;
  /// A string macro's value.
  std::string stringValue;
  /// A number macro's value; 1 for a macro without a value.
  int32_t numValue = 1;
};

/// Numeric macro values are signed 16-bit: the low 16 bits, sign-extended.
inline int32_t CutToSigned16(int32_t value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value)));
}

/// The macros of one plain run. The newest entry per name is all a lookup
/// can see, so one entry per name, overwritten by a redefinition, answers
/// the same.
class MacroTable {
 public:
  /// The newest macro of exactly that name, or null.
  Macro* LookupMacro(std::string_view name) { return table_.Find(name); }
  /// Adds a value-less macro (value 1) that shadows any older one of the
  /// name, and returns it so its value can be filled in.
  Macro* AddMacro(std::string_view name) { return &table_.Add(name); }

 private:
  NameTable<Macro> table_;
};
