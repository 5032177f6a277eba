// The list of every property record's row.
#include "proplist/record_shapes.h"

namespace {

constexpr const RecordShape* kShapes[] = {
    &kKindShape,          &kVersionShape,        &kPriorityShape,
    &kRequiredHostShape,  &kNameShape,           &kCategoryShape,
    &kCodeWin32X86Shape,  &kCodeWin64X86Shape,   &kSupportedModesShape,
    &kFilterCaseInfoShape, &kFormatFlagsShape,   &kFormatICCFlagsShape,
    &kExportFlagsShape,   &kFormatMaxSizeShape,  &kFormatMaxChannelsShape,
    &kFmtFileTypeShape,   &kReadTypesShape,      &kWriteTypesShape,
    &kFilteredTypesShape, &kParsableTypesShape,  &kFilteredParsableTypesShape,
    &kReadExtensionsShape, &kWriteExtensionsShape, &kFilteredExtensionsShape,
    &kParsableExtensionsShape, &kFilteredParsableExtensionsShape,
    &kParsableClipboardTypesShape, &kTerminologyShape, &kInfoFlagsShape,
    &kEffectVersionShape, &kReservedShape,       &kReservedInfoShape,
    &kGlobalFlagsShape,   &kGlobalFlags2Shape,   &kMatchNameShape,
    &kSpecVersionShape,   &kVorlVersionShape,    &kFormatExtensionShape,
    &kSupportURLShape,
};

}  // namespace

std::span<const RecordShape* const> RecordShapes() { return kShapes; }

const RecordShape* FindRecordShape(std::uint32_t key) {
  for (const RecordShape* shape : kShapes) {
    if (shape->key == key) return shape;
  }
  return nullptr;
}
