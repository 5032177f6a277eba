// The names a property's values are written with, and the bits or codes
// they stand for: kinds, image modes, format and export flags, the handling
// and flags of filter cases, the flags of the image-format extension. The
// converter reads them and VorlDump writes them back from these tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "source/tokens.h"

/// A four-character code in natural order ('kind'), as the 32-bit value whose
/// most significant byte is its first character. The compiled block holds it
/// least significant byte first, so it is written with its characters
/// reversed ("dnik").
constexpr std::uint32_t KeyCode(const char (&code)[5]) {
  return (std::uint32_t{static_cast<std::uint8_t>(code[0])} << 24) |
         (std::uint32_t{static_cast<std::uint8_t>(code[1])} << 16) |
         (std::uint32_t{static_cast<std::uint8_t>(code[2])} << 8) |
         std::uint32_t{static_cast<std::uint8_t>(code[3])};
}

/// A name a property accepts and the bits (or code) it stands for. Names are
/// string literals, so `name.data()` is a C string too.
struct NamedBits {
  std::string_view name;
  unsigned bits;
  /// The keyword's token class where the name is a keyword (the kinds), else
  /// TOK_NONE: the lexer gives a keyword its class, and the parser looks at that.
  std::int32_t token = TOK_NONE;
};

/// The entry of `table` whose name is `name`, or null.
const NamedBits* FindName(std::span<const NamedBits> table, std::string_view name);

/// The kind keywords, their codes and their token classes.
inline constexpr NamedBits kKindNames[] = {
#define KIND(word, num, code) {#word, KeyCode(code), KW_##word},
#include "source/keywords.def"
};

/// Image modes as one 16-bit value: the first flag byte is the high byte.
inline constexpr NamedBits kImageModes[] = {
    {"doesSupportBitmap", 0x8000},       {"doesSupportGrayScale", 0x4000},
    {"doesSupportIndexedColor", 0x2000}, {"doesSupportRGBColor", 0x1000},
    {"doesSupportCMYKColor", 0x0800},    {"doesSupportHSLColor", 0x0400},
    {"doesSupportHSBColor", 0x0200},     {"doesSupportMultichannel", 0x0100},
    {"doesSupportDuotone", 0x0080},      {"doesSupportLABColor", 0x0040},
    {"doesSupportGray16", 0x0020},       {"doesSupportRGB48", 0x0010},
    {"doesSupportLab48", 0x0008},        {"doesSupportCMYK64", 0x0004},
    {"doesSupportDeepMultichannel", 0x0002}, {"doesSupportDuotone16", 0x0001},
};

inline constexpr NamedBits kFormatFlagNames[] = {
    {"fmtSavesImageResources", 0x40},
    {"fmtCanRead", 0x20},
    {"fmtCanWrite", 0x10},
    {"fmtCanWriteIfRead", 0x08},
};

inline constexpr NamedBits kFormatICCFlagNames[] = {
    {"iccCanEmbedGray", 0x80},
    {"iccCanEmbedIndexed", 0x40},
    {"iccCanEmbedRGB", 0x20},
    {"iccCanEmbedCMYK", 0x10},
};

inline constexpr NamedBits kExportFlagNames[] = {
    {"expSupportsTransparency", 0x80},
};

/// A filter case: input handling, output handling, flags, a zero byte; a
/// FilterCaseInfo holds seven.
inline constexpr int kFilterCaseCount = 7;
inline constexpr int kFilterCaseSize = 4;

/// The handling bytes of a filter case.
inline constexpr NamedBits kInputHandling[] = {
    {"inCantFilter", 0x00},    {"inStraightData", 0x01}, {"inBlackMat", 0x02},
    {"inGrayMat", 0x03},       {"inWhiteMat", 0x04},     {"inDefringe", 0x05},
    {"inBlackZap", 0x06},      {"inGrayZap", 0x07},      {"inWhiteZap", 0x08},
    {"inBackgroundZap", 0x0A}, {"inForegroundZap", 0x0B},
};

inline constexpr NamedBits kOutputHandling[] = {
    {"outCantFilter", 0x00}, {"outStraightData", 0x01}, {"outBlackMat", 0x02},
    {"outGrayMat", 0x03},    {"outWhiteMat", 0x04},     {"outFillMask", 0x09},
};

/// One of the three flag items of a filter case, in their order: where it
/// stands, its names (the one that sets its bit, then the one VorlDump writes
/// for a clear bit, which sets nothing, as any other word does), and whether
/// a number may stand in its place, giving its low byte.
struct CaseFlag {
  std::string_view place;
  NamedBits names[2];
  bool takesNumber;

  constexpr const NamedBits& Set() const { return names[0]; }
  constexpr const NamedBits& Clear() const { return names[1]; }
};

inline constexpr CaseFlag kCaseFlags[] = {
    {"first flag", {{"filtersLayerMasks", 0x04}, {"doesNotFilterLayerMasks", 0}}, true},
    {"second flag", {{"worksWithBlankData", 0x02}, {"doesNotWorkWithBlankData", 0}}, true},
    {"third flag", {{"doNotCopySourceToDestination", 0x01}, {"copySourceToDestination", 0}}, false},
};

/// The flags of ZR_ImageFormat_Extension_Info.
inline constexpr NamedBits kFormatExtensionFlags[] = {
    {"hasNoOptions", 0x400}, {"nonSequentialOk", 0x200}, {"mustInteract", 0x100},
    {"hasInteractPut", 0x80}, {"hasInteractGet", 0x40},  {"hasNoTime", 0x20},
    {"hasVideo", 0x10},       {"still", 0x08},           {"hasFile", 0x04},
    {"output", 0x02},         {"input", 0x01},
};
