// The rows of every property the converter writes, and their name tables.
#include "dump/property_table.h"

namespace dump {

namespace {

constexpr NamedValue kKinds[] = {
    {"Filter", Code("5KFM")},       {"Parser", Code("5KYM")},
    {"ImageFormat", Code("5KIF")},  {"ZRForeignProjectFormat", Code("eFPF")},
    {"ZRGP", Code("ZRgx")},         {"Extension", Code("5KXM")},
    {"Acquire", Code("5KAM")},      {"Export", Code("5KEM")},
    {"ZREffect", Code("eFKT")},     {"ZRAccelerator", Code("eFST")},
    {"ZRImageFormat", Code("FXIF")}, {"ZRGeneral", Code("ZRgp")},
};

/// Image modes as one 16-bit value, the first flag byte high.
constexpr NamedValue kImageModes[] = {
    {"doesSupportBitmap", 0x8000},       {"doesSupportGrayScale", 0x4000},
    {"doesSupportIndexedColor", 0x2000}, {"doesSupportRGBColor", 0x1000},
    {"doesSupportCMYKColor", 0x0800},    {"doesSupportHSLColor", 0x0400},
    {"doesSupportHSBColor", 0x0200},     {"doesSupportMultichannel", 0x0100},
    {"doesSupportDuotone", 0x0080},      {"doesSupportLABColor", 0x0040},
    {"doesSupportGray16", 0x0020},       {"doesSupportRGB48", 0x0010},
    {"doesSupportLab48", 0x0008},        {"doesSupportCMYK64", 0x0004},
    {"doesSupportDeepMultichannel", 0x0002}, {"doesSupportDuotone16", 0x0001},
};

constexpr NamedValue kFormatFlags[] = {
    {"fmtSavesImageResources", 0x40},
    {"fmtCanRead", 0x20},
    {"fmtCanWrite", 0x10},
    {"fmtCanWriteIfRead", 0x08},
};

constexpr NamedValue kFormatICCFlags[] = {
    {"iccCanEmbedGray", 0x80},
    {"iccCanEmbedIndexed", 0x40},
    {"iccCanEmbedRGB", 0x20},
    {"iccCanEmbedCMYK", 0x10},
};

constexpr NamedValue kExportFlags[] = {
    {"expSupportsTransparency", 0x80},
};

constexpr NamedValue kInputHandling[] = {
    {"inCantFilter", 0x00},    {"inStraightData", 0x01}, {"inBlackMat", 0x02},
    {"inGrayMat", 0x03},       {"inWhiteMat", 0x04},     {"inDefringe", 0x05},
    {"inBlackZap", 0x06},      {"inGrayZap", 0x07},      {"inWhiteZap", 0x08},
    {"inBackgroundZap", 0x0A}, {"inForegroundZap", 0x0B},
};

constexpr NamedValue kOutputHandling[] = {
    {"outCantFilter", 0x00}, {"outStraightData", 0x01}, {"outBlackMat", 0x02},
    {"outGrayMat", 0x03},    {"outWhiteMat", 0x04},     {"outFillMask", 0x09},
};

constexpr NamedValue kFormatExtensionFlags[] = {
    {"hasNoOptions", 0x400}, {"nonSequentialOk", 0x200}, {"mustInteract", 0x100},
    {"hasInteractPut", 0x80}, {"hasInteractGet", 0x40},  {"hasNoTime", 0x20},
    {"hasVideo", 0x10},       {"still", 0x08},           {"hasFile", 0x04},
    {"output", 0x02},         {"input", 0x01},
};

PropertyRow Row(const char* keyword, std::uint32_t key, Layout layout, std::uint32_t length = 0) {
  PropertyRow row;
  row.keyword = keyword;
  row.key = key;
  row.layout = layout;
  row.length = length;
  return row;
}

PropertyRow Named(PropertyRow row, std::span<const NamedValue> names) {
  row.names = names;
  return row;
}

PropertyRow Hex(PropertyRow row) {
  row.style = NumberStyle::kHex;
  return row;
}

PropertyRow HostString(PropertyRow row) {
  row.escapesAsBytes = true;
  return row;
}

PropertyRow List(const char* keyword, std::uint32_t key, GroupForm form, bool pairs,
                 bool reversed) {
  PropertyRow row = Row(keyword, key, Layout::kCodeList);
  row.form = form;
  row.pairs = pairs;
  row.reversed = reversed;
  return row;
}

PropertyRow Nested(PropertyRow row) {
  row.nested = true;
  return row;
}

const PropertyRow kRows[] = {
    Named(Row("Kind", Code("kind"), Layout::kKind, 4), kKinds),
    Row("Version", Code("vers"), Layout::kVersion, 4),
    Row("Priority", Code("prty"), Layout::kNumber, 4),
    Row("RequiredHost", Code("host"), Layout::kCode, 4),
    Row("Name", Code("name"), Layout::kLengthPrefixed),
    Row("Category", Code("catg"), Layout::kLengthPrefixed),
    Row("CodeWin32X86", Code("wx86"), Layout::kZeroTerminated),
    Row("CodeWin64X86", Code("8664"), Layout::kZeroTerminated),
    Named(Row("SupportedModes", Code("mode"), Layout::kModes, 4), kImageModes),
    Row("FilterCaseInfo", Code("fici"), Layout::kFilterCase, 28),
    Named(Row("FormatFlags", Code("fmtf"), Layout::kFlagByte, 4), kFormatFlags),
    Named(Row("FormatICCFlags", Code("fmip"), Layout::kFlagByte, 4), kFormatICCFlags),
    Named(Row("ExportFlags", Code("expf"), Layout::kFlagByte, 4), kExportFlags),
    Nested(Row("FormatMaxSize", Code("mxsz"), Layout::kWordPair, 4)),
    Row("FormatMaxChannels", Code("mxch"), Layout::kWords),
    Row("FmtFileType", Code("fmTC"), Layout::kFileType, 8),
    List("ReadTypes", Code("RdTy"), GroupForm::kMany, true, true),
    List("WriteTypes", Code("WrTy"), GroupForm::kMany, true, true),
    List("FilteredTypes", Code("fftT"), GroupForm::kOne, true, true),
    List("ParsableTypes", Code("psTY"), GroupForm::kOne, true, true),
    List("FilteredParsableTypes", Code("psTy"), GroupForm::kOne, true, true),
    List("ReadExtensions", Code("RdEx"), GroupForm::kMany, false, false),
    List("WriteExtensions", Code("WrEx"), GroupForm::kMany, false, false),
    List("FilteredExtensions", Code("fftE"), GroupForm::kMany, false, false),
    List("ParsableExtensions", Code("psEX"), GroupForm::kOne, false, false),
    List("FilteredParsableExtensions", Code("psEx"), GroupForm::kOne, false, false),
    List("ParsableClipboardTypes", Code("psCB"), GroupForm::kOne, false, true),
    Row("HasTerminology", Code("hstm"), Layout::kTerminology),
    Hex(Row("ZR_Effect_Info_Flags", Code("eINF"), Layout::kNumber, 2)),
    Row("ZR_Effect_Version", Code("eVER"), Layout::kNumber, 4),
    Hex(Row("ZR_Reserved", Code("zrRD"), Layout::kNumber, 4)),
    Hex(Row("ZR_Reserved_Info", Code("zrFL"), Layout::kNumber, 4)),
    Hex(Row("ZR_Effect_Global_OutFlags", Code("eGLO"), Layout::kNumber, 4)),
    Hex(Row("ZR_Effect_Global_OutFlags_2", Code("eGL2"), Layout::kNumber, 4)),
    HostString(Row("ZR_Effect_Match_Name", Code("eMNA"), Layout::kLengthPrefixed)),
    Row("ZR_Effect_Spec_Version", Code("eSVR"), Layout::kWordPair, 4),
    Row("ZR_Vorl_Version", Code("ePVR"), Layout::kWordPair, 4),
    Named(Row("ZR_ImageFormat_Extension_Info", Code("FXMF"), Layout::kFormatExtension, 16),
          kFormatExtensionFlags),
    HostString(Row("ZR_Effect_Support_URL", Code("eURL"), Layout::kLengthPrefixed)),
};

}  // namespace

std::span<const PropertyRow> PropertyRows() { return kRows; }

const PropertyRow* FindPropertyRow(std::uint32_t key) {
  for (const PropertyRow& row : kRows) {
    if (row.key == key) return &row;
  }
  return nullptr;
}

std::span<const NamedValue> InputHandlingNames() { return kInputHandling; }
std::span<const NamedValue> OutputHandlingNames() { return kOutputHandling; }

}  // namespace dump
