// Lists the resources of a compiled resource file (.res), one line each: type,
// name, language and the data in hex. Two files whose lists are equal hold
// the same resources, whatever else differs in their headers.
//
//   res_entries <file.res>
//
// Deliberately independent of VorlDump's own reader, which it helps to test.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

/// A type or name: "#123" for a number, the text otherwise. Moves `at` past it.
std::string NameOrNumber(const std::vector<std::uint8_t>& b, std::size_t& at, std::size_t end) {
  if (at + 4 <= end && U16(b, at) == 0xFFFF) {
    at += 4;
    return "#" + std::to_string(U16(b, at - 2));
  }
  std::string text;
  for (; at + 2 <= end && U16(b, at) != 0; at += 2) text += static_cast<char>(U16(b, at));
  at += 2;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: res_entries <file.res>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in), {}};
  std::size_t offset = 0;
  while (offset + 8 <= b.size()) {
    const std::uint32_t dataSize = U32(b, offset);
    const std::uint32_t headerSize = U32(b, offset + 4);
    if (headerSize < 32 || offset + headerSize + dataSize > b.size()) {
      std::fprintf(stderr, "%s: broken resource header at %zu\n", argv[1], offset);
      return 1;
    }
    std::size_t at = offset + 8;
    const std::string type = NameOrNumber(b, at, offset + headerSize);
    const std::string name = NameOrNumber(b, at, offset + headerSize);
    at = (at + 3) & ~std::size_t{3};
    const unsigned language = at + 8 <= offset + headerSize ? U16(b, at + 6) : 0;
    std::printf("%s %s %04X %u:", type.c_str(), name.c_str(), language, dataSize);
    for (std::size_t i = 0; i < dataSize; ++i) std::printf(" %02X", b[offset + headerSize + i]);
    std::printf("\n");
    offset = (offset + headerSize + dataSize + 3) & ~std::size_t{3};
  }
  return 0;
}
