// Compiled resource files (.res): a sequence of resources, each a header
// (data size, header size, type, name, then fixed fields) followed by its
// data, every header starting on a 4-byte boundary.
#include <string>

#include "dump/bytes.h"
#include "dump/containers.h"

namespace dump {

namespace {

/// Data size and header size, type and name as two numbers, then data
/// version, memory flags, language, version and characteristics.
constexpr std::uint64_t kSmallestHeader = 32;

/// The type or name at `offset` inside the header that ends at `headerEnd`:
/// 0xFFFF and a number, or a string of UTF-16 units ending in a zero unit.
/// Returns the offset after it.
std::uint64_t ReadNameOrNumber(const Bytes& file, std::uint64_t offset, std::uint64_t headerEnd,
                               bool& isNumber, std::uint16_t& number, std::u16string& text) {
  if (offset + 2 > headerEnd) throw DumpError("resource type or name", offset, "runs past its header");
  const std::uint16_t first = file.U16(offset, "resource type or name");
  if (first == 0xFFFF) {
    if (offset + 4 > headerEnd) throw DumpError("resource type or name", offset, "runs past its header");
    isNumber = true;
    number = file.U16(offset + 2, "resource type or name");
    return offset + 4;
  }
  isNumber = false;
  text.clear();
  for (std::uint64_t at = offset;; at += 2) {
    if (at + 2 > headerEnd) throw DumpError("resource type or name", offset, "runs past its header");
    const std::uint16_t unit = file.U16(at, "resource type or name");
    if (unit == 0) return at + 2;
    text += static_cast<char16_t>(unit);
  }
}

}  // namespace

std::vector<FoundResource> FindInResFile(std::span<const std::uint8_t> bytes) {
  const Bytes file(bytes);
  std::vector<FoundResource> found;
  std::uint64_t offset = 0;
  while (offset < file.size()) {
    const std::uint32_t dataSize = file.U32(offset, "resource header");
    const std::uint32_t headerSize = file.U32(offset + 4, "resource header");
    if (headerSize < kSmallestHeader) {
      throw DumpError("resource header", offset,
                      "header size " + std::to_string(headerSize) + " is too small");
    }
    file.Require(offset, headerSize, "resource header");
    const std::uint64_t headerEnd = offset + headerSize;

    bool typeIsNumber = false;
    std::uint16_t typeNumber = 0;
    std::u16string typeText;
    std::uint64_t at =
        ReadNameOrNumber(file, offset + 8, headerEnd, typeIsNumber, typeNumber, typeText);
    ResourceName name;
    std::u16string nameText;
    at = ReadNameOrNumber(file, at, headerEnd, name.isNumber, name.number, nameText);
    // The fixed fields follow on a 4-byte boundary and must end by the header's end.
    at = (at + 3) & ~std::uint64_t{3};
    if (at + 16 > headerEnd) throw DumpError("resource header", offset, "too short for its fixed fields");

    const std::uint64_t dataOffset = headerEnd;
    file.Require(dataOffset, dataSize, "resource data");
    const ResourceType* type = typeIsNumber ? nullptr : TypeFromName(typeText);
    if (type != nullptr) {
      name.text = PrintableName(nameText);
      found.push_back({type, name, file.Range(dataOffset, dataSize, "resource data"), dataOffset});
    }
    offset = (dataOffset + dataSize + 3) & ~std::uint64_t{3};
  }
  return found;
}

}  // namespace dump
