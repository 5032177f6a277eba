// The resource types a description file's statements name and the converter
// turns into blocks: the property lists 'Vorl' and its twin 'TzAv', the string
// list 'LStr'. A statement of any other type is skipped. The statement loops
// dispatch from this table, and VorlDump reads back the types it lists.
#pragma once

/// What a statement of a type is given to.
enum class ResourceConverter { kPropertyList, kStringList, kSkip };

struct ResourceType {
  /// The type literal's four characters (never fewer), as the block header
  /// writes them.
  const char* code;
  ResourceConverter converter;
};

inline constexpr ResourceType kResourceTypes[] = {
    {"Vorl", ResourceConverter::kPropertyList},
    {"TzAv", ResourceConverter::kPropertyList},
    {"LStr", ResourceConverter::kStringList},
};

/// Every other type, and every resource of an included file.
inline constexpr ResourceType kSkippedResource = {"", ResourceConverter::kSkip};

/// The type whose literal is exactly `code` (case and all), or the skip.
const ResourceType& FindResourceType(const char* code);
