// Code page 1252 back to the Macintosh character set.
#include "dump/mac_charset.h"

#include <array>

namespace dump {

namespace {

// The converter's translation of the upper half of the Macintosh character
// set (the same table as src/strings/translate.cpp; a unit test holds the two
// equal): bytes without a Windows counterpart become 128, typographic quotes
// the plain apostrophe.
constexpr std::uint8_t kMacToWinHigh[128] = {
    196, 197, 199, 201, 209, 214, 220, 225, 224, 226, 228, 227, 229, 231, 233, 232,
    234, 235, 237, 236, 238, 239, 241, 243, 242, 244, 246, 245, 250, 249, 251, 252,
    134, 176, 162, 163, 167, 183, 182, 223, 174, 169, 153, 180, 168, 128, 198, 216,
    128, 177, 128, 128, 165, 181, 128, 128, 128, 128, 128, 170, 186, 128, 230, 248,
    191, 161, 172, 128, 131, 128, 198, 171, 187, 133, 160, 192, 195, 213, 140, 156,
    173, 173, 39,  39,  39,  39,  247, 128, 255, 159, 128, 164, 139, 155, 128, 128,
    135, 183, 130, 39,  137, 194, 202, 193, 203, 200, 205, 206, 207, 204, 211, 212,
    128, 210, 218, 219, 217, 128, 136, 152, 175, 128, 128, 128, 184, 128, 128, 128,
};

constexpr std::array<int, 256> MakeInverse() {
  std::array<int, 256> inverse{};
  for (int& entry : inverse) entry = -1;
  for (int mac = 255; mac >= 0; --mac) {
    const int windows = mac < 128 ? mac : kMacToWinHigh[mac - 128];
    inverse[windows] = mac;  // walking down leaves the lowest byte
  }
  return inverse;
}

constexpr std::array<int, 256> kWinToMac = MakeInverse();

}  // namespace

std::uint8_t MacToWindows(std::uint8_t mac) {
  return mac < 128 ? mac : kMacToWinHigh[mac - 128];
}

int MacByteFor(std::uint8_t windows) { return kWinToMac[windows]; }

}  // namespace dump
