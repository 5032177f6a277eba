// Telling a compiled resource file from a PE image, and what both readers share.
#include "dump/containers.h"

#include <cstring>

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

bool TypeFromName(const std::u16string& name, ResourceType& type) {
  static constexpr struct {
    const char* text;
    ResourceType type;
  } kTypes[] = {{"VORL", ResourceType::kVorl},
                {"TZAV", ResourceType::kTzAv},
                {"LSTR", ResourceType::kLStr}};
  if (name.size() != 4) return false;
  for (const auto& known : kTypes) {
    bool same = true;
    for (int i = 0; i < 4; ++i) {
      char16_t c = name[i];
      if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
      if (c != static_cast<char16_t>(known.text[i])) same = false;
    }
    if (same) {
      type = known.type;
      return true;
    }
  }
  return false;
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
