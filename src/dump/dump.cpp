// Statements of the description language for the resources found.
#include "dump/dump.h"

#include "dump/record_decoder.h"
#include "dump/string_list.h"

namespace dump {

namespace {

constexpr const char* kItemIndent = "        ";

/// The header's parentheses. The converter reads numbers only; a resource
/// named by a string keeps its name in the header's name position, after 0.
std::string HeaderId(const ResourceName& name) {
  if (name.isNumber) return "(" + std::to_string(name.number) + ")";
  return "(0, \"" + name.text + "\")";
}

/// Each line of `text` indented; a comma after it when `comma`.
std::string Indented(const std::string& text, bool comma) {
  std::string out = kItemIndent;
  for (char c : text) {
    out += c;
    if (c == '\n') out += kItemIndent;
  }
  return out + (comma ? ",\n" : "\n");
}

}  // namespace

std::string ResourceStatement(const FoundResource& resource, const TextRules& rules) {
  const std::vector<ListItem> items = resource.type->converter == ResourceConverter::kStringList
                                          ? DecodeStringList(resource.data, rules)
                                          : DecodePropertyList(resource.data, rules);
  std::string text;
  if (!resource.name.isNumber) {
    text += "// Named \"" + resource.name.text + "\" in the file, not numbered.\n";
  }
  text += "resource '" + std::string(resource.type->code) + "' " + HeaderId(resource.name) +
          " {\n    {\n";
  // Commas separate elements only; comments stand between them on lines of
  // their own.
  std::size_t lastElement = items.size();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].isElement) lastElement = i;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    text += Indented(items[i].text, items[i].isElement && i < lastElement);
  }
  return text + "    }\n};\n";
}

std::string DumpResources(std::span<const std::uint8_t> file, const TextRules& rules) {
  std::string text;
  for (const FoundResource& resource : FindResources(file)) {
    text += ResourceStatement(resource, rules) + "\n";
  }
  return text;
}

}  // namespace dump
