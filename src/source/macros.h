// The macro table: every #define adds an entry; a later one of the same name
// shadows the earlier; nothing is ever removed.
#pragma once

#include <cstdint>
#include <string>

enum MacroKind : int32_t { kMacroNone = 0, kMacroNumber = 1, kMacroString = 2 };

struct Macro {
  int32_t kind = kMacroNone;
  std::string macroName;
  std::string stringValue;
  int32_t numValue = 1;
};

/// The newest macro of exactly that name, or null.
Macro* LookupMacro(const char* name);
/// Adds a value-less macro (value 1) that shadows any older one of the name,
/// and returns it so its value can be filled in.
Macro* AddMacro(const char* name);
void ResetMacros();
