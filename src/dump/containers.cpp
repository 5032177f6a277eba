// Telling a compiled resource file from a PE image, and what both readers share.
#include "dump/containers.h"

#include <cstring>
#include <iterator>

#include "dump/bytes.h"

namespace dump {

namespace {

/// Every .res file starts with an empty resource: no data, a 32-byte header,
/// type 0 and name 0 given as numbers.
constexpr std::uint8_t kResFileStart[16] = {0, 0, 0, 0, 0x20, 0, 0, 0,
                                            0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};

}  // namespace

std::vector<FoundResource> FindResources(std::span<const std::uint8_t> file) {
  if (file.size() >= sizeof kResFileStart &&
      std::memcmp(file.data(), kResFileStart, sizeof kResFileStart) == 0) {
    return FindInResFile(file);
  }
  if (file.size() >= 2 && file[0] == 'M' && file[1] == 'Z') return FindInPeImage(file);
  throw DumpError("unknown kind of file", 0,
                  "neither a compiled resource file (.res) nor a Windows PE image");
}

namespace {

char16_t UpperCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

}  // namespace

const ResourceType* TypeFromName(const std::u16string& name) {
  for (const ResourceType& known : kResourceTypes) {
    bool same = name.size() == std::strlen(known.code);
    for (std::size_t i = 0; same && i < name.size(); ++i)
      same = UpperCase(name[i]) == UpperCase(static_cast<char16_t>(known.code[i]));
    if (same) return &known;
  }
  return nullptr;
}

std::string TypeNamesForMessage() {
  std::string text;
  const std::size_t count = std::size(kResourceTypes);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += i + 1 == count ? " or " : ", ";
    for (const char* c = kResourceTypes[i].code; *c; ++c) text += static_cast<char>(UpperCase(static_cast<char16_t>(*c)));
  }
  return text;
}

std::string PrintableName(const std::u16string& name) {
  std::string text;
  for (char16_t c : name) {
    // Nothing that could end a string, a comment or the header it stands in.
    char shown = '?';
    if (c >= 0x20 && c < 0x7F && !std::strchr("\"\\*(){}", c)) shown = static_cast<char>(c);
    text += shown;
  }
  return text;
}

}  // namespace dump
