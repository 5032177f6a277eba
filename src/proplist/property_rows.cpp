// Finding a property's row by the key its record is stored under.
#include "proplist/property_rows.h"

const PropertyRow* PropertyRowOfKey(std::uint32_t key) {
  for (const PropertyRow& row : PropertyRows()) {
    if (row.layout != RecordLayout::kNone && row.key == key) return &row;
  }
  return nullptr;
}
