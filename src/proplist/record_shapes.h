// What each property record holds once compiled: one row per property the
// converter writes, with its keyword, the key its record is stored under, the
// layout of its data and the names its values are written with. The property
// families parse by these rows (their names, list forms, code order, counting
// rule), and VorlDump decodes compiled blocks by the same rows, so what is
// written and what is read back cannot drift apart.
#pragma once

#include <cstdint>
#include <span>

#include "proplist/record.h"

/// A four-character code as the compiled block stores it: the 32-bit value
/// whose bytes, least significant first, are the code's characters reversed
/// (the key 'kind' is written "dnik").
constexpr std::uint32_t KeyCode(const char (&code)[5]) {
  return (std::uint32_t{static_cast<std::uint8_t>(code[0])} << 24) |
         (std::uint32_t{static_cast<std::uint8_t>(code[1])} << 16) |
         (std::uint32_t{static_cast<std::uint8_t>(code[2])} << 8) |
         std::uint32_t{static_cast<std::uint8_t>(code[3])};
}

/// The 32-bit value of four characters written as they stand ("MFK5").
constexpr std::uint32_t WrittenCode(const char (&written)[5]) {
  return KeyCode({written[3], written[2], written[1], written[0], '\0'});
}

/// Every record starts with this vendor code, written "MIK5".
inline constexpr std::uint32_t kVendorCode = WrittenCode("MIK5");

/// How a property's data is laid out.
enum class RecordLayout {
  kKind,             ///< a code of the kind table: Kind { Filter }
  kVersion,          ///< low then high half of a 32-bit number: Version { 65536 }
  kNumber,           ///< one 32-bit number: Priority { 7 }
  kCode,             ///< one code, reversed: RequiredHost { 'ABCD' }
  kLengthPrefixed,   ///< length byte, text, padding: Name { "..." }
  kZeroTerminated,   ///< text, terminator, padding: CodeWin64X86 { "..." }
  kModes,            ///< two flag bytes, two zero bytes: SupportedModes { ... }
  kFilterCase,       ///< seven four-byte cases: FilterCaseInfo { { ... } }
  kFlagByte,         ///< one flag byte, three zero bytes: FormatFlags { ... }
  kWordPair,         ///< two 16-bit numbers: FormatMaxSize { { 1, 2 } }
  kWords,            ///< 16-bit numbers: FormatMaxChannels { { 1, 2, 3 } }
  kFileType,         ///< type and creator: FmtFileType { 'TEXT', 'ttxt' }
  kCodeList,         ///< a type or extension list: ReadTypes { { ... } }
  kTerminology,      ///< HasTerminology { 'clss', 'evnt', 1, "..." }
  kFormatExtension,  ///< ZR_ImageFormat_Extension_Info { 1, 0, flags, 'sign' }
};

/// How the numbers of a kNumber property read best.
enum class NumberStyle { kDecimal, kHex };

/// Groups of a code list: "many" holds any number of entries, "one" exactly one.
enum class GroupForm { kMany, kOne };

/// One property as the converter writes it.
struct RecordShape {
  const char* keyword;
  std::uint32_t key;
  RecordLayout layout;
  /// The record's length field where the layout fixes it (0 where the data
  /// decides it). ZR_Effect_Info_Flags says 2 and holds four bytes.
  std::uint32_t length = 0;
  /// The names of the values (kinds, modes, flags).
  std::span<const NamedBits> names = {};
  NumberStyle style = NumberStyle::kDecimal;
  /// kLengthPrefixed: the length byte counts the bytes the text stands for
  /// (the host's strings) rather than the characters it is written with.
  bool escapesAsBytes = false;
  /// kCodeList: the group form, pairs (type and creator) or single codes, and
  /// whether the codes are written reversed (extensions are not).
  GroupForm form = GroupForm::kMany;
  bool pairs = false;
  bool reversed = true;
  /// kWordPair: whether the two numbers stand in a second pair of braces.
  bool nested = false;
};

// The names the values are written with.

inline constexpr NamedBits kKindNames[] = {
#define KIND(word, num, code) {#word, WrittenCode(code)},
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

/// The flags of ZR_ImageFormat_Extension_Info.
inline constexpr NamedBits kFormatExtensionFlags[] = {
    {"hasNoOptions", 0x400}, {"nonSequentialOk", 0x200}, {"mustInteract", 0x100},
    {"hasInteractPut", 0x80}, {"hasInteractGet", 0x40},  {"hasNoTime", 0x20},
    {"hasVideo", 0x10},       {"still", 0x08},           {"hasFile", 0x04},
    {"output", 0x02},         {"input", 0x01},
};

// The rows, by family.

namespace shapes {

constexpr RecordShape Row(const char* keyword, std::uint32_t key, RecordLayout layout,
                          std::uint32_t length = 0, std::span<const NamedBits> names = {}) {
  RecordShape row;
  row.keyword = keyword;
  row.key = key;
  row.layout = layout;
  row.length = length;
  row.names = names;
  return row;
}

constexpr RecordShape Hex(RecordShape row) {
  row.style = NumberStyle::kHex;
  return row;
}

constexpr RecordShape CountingBytes(RecordShape row) {
  row.escapesAsBytes = true;
  return row;
}

constexpr RecordShape Nested(RecordShape row) {
  row.nested = true;
  return row;
}

constexpr RecordShape List(const char* keyword, const char (&key)[5], GroupForm form, bool pairs,
                           bool reversed) {
  RecordShape row = Row(keyword, KeyCode(key), RecordLayout::kCodeList);
  row.form = form;
  row.pairs = pairs;
  row.reversed = reversed;
  return row;
}

}  // namespace shapes

// Identity properties.
inline constexpr RecordShape kKindShape = shapes::Row("Kind", KeyCode("kind"), RecordLayout::kKind, 4, kKindNames);
inline constexpr RecordShape kVersionShape = shapes::Row("Version", KeyCode("vers"), RecordLayout::kVersion, 4);
inline constexpr RecordShape kPriorityShape = shapes::Row("Priority", KeyCode("prty"), RecordLayout::kNumber, 4);
inline constexpr RecordShape kRequiredHostShape = shapes::Row("RequiredHost", KeyCode("host"), RecordLayout::kCode, 4);
// Name and Category count their text as written, escapes included, as the
// hosts that read these records expect.
inline constexpr RecordShape kNameShape = shapes::Row("Name", KeyCode("name"), RecordLayout::kLengthPrefixed);
inline constexpr RecordShape kCategoryShape = shapes::Row("Category", KeyCode("catg"), RecordLayout::kLengthPrefixed);
inline constexpr RecordShape kCodeWin32X86Shape = shapes::Row("CodeWin32X86", KeyCode("wx86"), RecordLayout::kZeroTerminated);
inline constexpr RecordShape kCodeWin64X86Shape = shapes::Row("CodeWin64X86", KeyCode("8664"), RecordLayout::kZeroTerminated);

// Capability properties.
inline constexpr RecordShape kSupportedModesShape = shapes::Row("SupportedModes", KeyCode("mode"), RecordLayout::kModes, 4, kImageModes);
inline constexpr RecordShape kFilterCaseInfoShape = shapes::Row("FilterCaseInfo", KeyCode("fici"), RecordLayout::kFilterCase, 28);
inline constexpr RecordShape kFormatFlagsShape = shapes::Row("FormatFlags", KeyCode("fmtf"), RecordLayout::kFlagByte, 4, kFormatFlagNames);
inline constexpr RecordShape kFormatICCFlagsShape = shapes::Row("FormatICCFlags", KeyCode("fmip"), RecordLayout::kFlagByte, 4, kFormatICCFlagNames);
inline constexpr RecordShape kExportFlagsShape = shapes::Row("ExportFlags", KeyCode("expf"), RecordLayout::kFlagByte, 4, kExportFlagNames);
inline constexpr RecordShape kFormatMaxSizeShape = shapes::Nested(shapes::Row("FormatMaxSize", KeyCode("mxsz"), RecordLayout::kWordPair, 4));
inline constexpr RecordShape kFormatMaxChannelsShape = shapes::Row("FormatMaxChannels", KeyCode("mxch"), RecordLayout::kWords);

// Type and extension lists: codes reversed, extensions in natural order.
inline constexpr RecordShape kFmtFileTypeShape = shapes::Row("FmtFileType", KeyCode("fmTC"), RecordLayout::kFileType, 8);
inline constexpr RecordShape kReadTypesShape = shapes::List("ReadTypes", "RdTy", GroupForm::kMany, true, true);
inline constexpr RecordShape kWriteTypesShape = shapes::List("WriteTypes", "WrTy", GroupForm::kMany, true, true);
inline constexpr RecordShape kFilteredTypesShape = shapes::List("FilteredTypes", "fftT", GroupForm::kOne, true, true);
inline constexpr RecordShape kParsableTypesShape = shapes::List("ParsableTypes", "psTY", GroupForm::kOne, true, true);
inline constexpr RecordShape kFilteredParsableTypesShape = shapes::List("FilteredParsableTypes", "psTy", GroupForm::kOne, true, true);
inline constexpr RecordShape kReadExtensionsShape = shapes::List("ReadExtensions", "RdEx", GroupForm::kMany, false, false);
inline constexpr RecordShape kWriteExtensionsShape = shapes::List("WriteExtensions", "WrEx", GroupForm::kMany, false, false);
inline constexpr RecordShape kFilteredExtensionsShape = shapes::List("FilteredExtensions", "fftE", GroupForm::kMany, false, false);
inline constexpr RecordShape kParsableExtensionsShape = shapes::List("ParsableExtensions", "psEX", GroupForm::kOne, false, false);
inline constexpr RecordShape kFilteredParsableExtensionsShape = shapes::List("FilteredParsableExtensions", "psEx", GroupForm::kOne, false, false);
inline constexpr RecordShape kParsableClipboardTypesShape = shapes::List("ParsableClipboardTypes", "psCB", GroupForm::kOne, false, true);

// Host-specific properties and terminology.
inline constexpr RecordShape kTerminologyShape = shapes::Row("HasTerminology", KeyCode("hstm"), RecordLayout::kTerminology);
inline constexpr RecordShape kInfoFlagsShape = shapes::Hex(shapes::Row("ZR_Effect_Info_Flags", KeyCode("eINF"), RecordLayout::kNumber, 2));
inline constexpr RecordShape kEffectVersionShape = shapes::Row("ZR_Effect_Version", KeyCode("eVER"), RecordLayout::kNumber, 4);
inline constexpr RecordShape kReservedShape = shapes::Hex(shapes::Row("ZR_Reserved", KeyCode("zrRD"), RecordLayout::kNumber, 4));
inline constexpr RecordShape kReservedInfoShape = shapes::Hex(shapes::Row("ZR_Reserved_Info", KeyCode("zrFL"), RecordLayout::kNumber, 4));
inline constexpr RecordShape kGlobalFlagsShape = shapes::Hex(shapes::Row("ZR_Effect_Global_OutFlags", KeyCode("eGLO"), RecordLayout::kNumber, 4));
inline constexpr RecordShape kGlobalFlags2Shape = shapes::Hex(shapes::Row("ZR_Effect_Global_OutFlags_2", KeyCode("eGL2"), RecordLayout::kNumber, 4));
// The host's strings count the bytes their text stands for: "\n" or "\x41" is one.
inline constexpr RecordShape kMatchNameShape = shapes::CountingBytes(shapes::Row("ZR_Effect_Match_Name", KeyCode("eMNA"), RecordLayout::kLengthPrefixed));
inline constexpr RecordShape kSpecVersionShape = shapes::Row("ZR_Effect_Spec_Version", KeyCode("eSVR"), RecordLayout::kWordPair, 4);
inline constexpr RecordShape kVorlVersionShape = shapes::Row("ZR_Vorl_Version", KeyCode("ePVR"), RecordLayout::kWordPair, 4);
inline constexpr RecordShape kFormatExtensionShape = shapes::Row("ZR_ImageFormat_Extension_Info", KeyCode("FXMF"), RecordLayout::kFormatExtension, 16, kFormatExtensionFlags);
inline constexpr RecordShape kSupportURLShape = shapes::CountingBytes(shapes::Row("ZR_Effect_Support_URL", KeyCode("eURL"), RecordLayout::kLengthPrefixed));

/// Every row above: every property the converter writes a record for.
std::span<const RecordShape* const> RecordShapes();

/// The row of the record stored under `key`, or null.
const RecordShape* FindRecordShape(std::uint32_t key);
