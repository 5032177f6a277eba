// What the dump knows of property lists: one row per property the converter
// writes, with the key its record is stored under, the layout of its data and
// the names its values are written with. The record decoder reads nothing
// else, so a property added to the converter is added here as one row.
#pragma once

#include <cstdint>
#include <span>

namespace dump {

/// A four-character code as the compiled block stores it: the 32-bit value
/// whose bytes, least significant first, are the code's characters reversed
/// ('kind' is stored as the bytes "dnik").
constexpr std::uint32_t Code(const char (&text)[5]) {
  return (std::uint32_t{static_cast<std::uint8_t>(text[0])} << 24) |
         (std::uint32_t{static_cast<std::uint8_t>(text[1])} << 16) |
         (std::uint32_t{static_cast<std::uint8_t>(text[2])} << 8) |
         std::uint32_t{static_cast<std::uint8_t>(text[3])};
}

/// Every record starts with this vendor code.
constexpr std::uint32_t kVendorCode = Code("5KIM");

/// A name the language writes and the value (a bit, a byte, a code) it stands for.
struct NamedValue {
  const char* name;
  std::uint32_t value;
};

/// How a property's data is laid out, and so how it is written back.
enum class Layout {
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

/// How numbers of a kNumber property are written.
enum class NumberStyle { kDecimal, kHex };

/// Groups of a code list: "many" holds any number of entries, "one" exactly one.
enum class GroupForm { kMany, kOne };

/// One property as the converter writes it.
struct PropertyRow {
  const char* keyword;
  std::uint32_t key;
  Layout layout;
  /// The record's length field where the layout fixes it (0 where the data
  /// decides it). ZR_Effect_Info_Flags says 2 and holds four bytes.
  std::uint32_t length = 0;
  /// The names of the values (kinds, modes, flags).
  std::span<const NamedValue> names = {};
  NumberStyle style = NumberStyle::kDecimal;
  /// kLengthPrefixed: the length byte counts the bytes the text stands for
  /// (the host's strings) rather than the characters it is written with.
  bool escapesAsBytes = false;
  /// kCodeList: the group form, pairs (type and creator) or single codes, and
  /// whether the codes are stored reversed (extensions are not).
  GroupForm form = GroupForm::kMany;
  bool pairs = false;
  bool reversed = true;
  /// kWordPair: whether the two numbers stand in a second pair of braces.
  bool nested = false;
};

/// Every property the converter writes.
std::span<const PropertyRow> PropertyRows();

/// The row of `key`, or null.
const PropertyRow* FindPropertyRow(std::uint32_t key);

/// The name tables used beyond the rows: the handling bytes of a filter case
/// and the format-extension flags.
std::span<const NamedValue> InputHandlingNames();
std::span<const NamedValue> OutputHandlingNames();

}  // namespace dump
