// Looking up the names of values.
#include "proplist/value_names.h"

const NamedBits* FindName(std::span<const NamedBits> table, std::string_view name) {
  // Names of another length are passed over without comparing their text.
  for (const NamedBits& entry : table)
    if (entry.name == name) return &entry;
  return nullptr;
}
