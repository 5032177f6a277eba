// Finding a statement's resource type.
#include "source/resource_types.h"

namespace {

/// Whether `text` is the four characters of `code` and no more. A text that
/// differs stops the comparison at its first differing byte, so nothing past
/// its terminator is read.
bool IsCode(const char* text, const char* code) {
  return text[0] == code[0] && text[1] == code[1] && text[2] == code[2] && text[3] == code[3] &&
         text[4] == '\0';
}

}  // namespace

const ResourceType& FindResourceType(const char* code) {
  for (const ResourceType& type : kResourceTypes) {
    if (IsCode(code, type.code)) return type;
  }
  return kSkippedResource;
}
