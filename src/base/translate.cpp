// Macintosh to Windows code page 1252 translation of string-literal bytes.
#include "base/translate.h"

namespace {

// The upper half of the Macintosh character set; bytes without a Windows
// counterpart become 128, typographic quotes the plain apostrophe.
constexpr unsigned char kMacToWinHigh[128] = {
    196, 197, 199, 201, 209, 214, 220, 225, 224, 226, 228, 227, 229, 231, 233, 232,
    234, 235, 237, 236, 238, 239, 241, 243, 242, 244, 246, 245, 250, 249, 251, 252,
    134, 176, 162, 163, 167, 183, 182, 223, 174, 169, 153, 180, 168, 128, 198, 216,
    128, 177, 128, 128, 165, 181, 128, 128, 128, 128, 128, 170, 186, 128, 230, 248,
    191, 161, 172, 128, 131, 128, 198, 171, 187, 133, 160, 192, 195, 213, 140, 156,
    173, 173, 39,  39,  39,  39,  247, 128, 255, 159, 128, 164, 139, 155, 128, 128,
    135, 183, 130, 39,  137, 194, 202, 193, 203, 200, 205, 206, 207, 204, 211, 212,
    128, 210, 218, 219, 217, 128, 136, 152, 175, 128, 128, 128, 184, 128, 128, 128,
};

}  // namespace

unsigned char MacToWinChar(unsigned char byte) {
  return byte < 128 ? byte : kMacToWinHigh[byte - 128];
}
