// One row per property keyword, written in keywords.def beside the keyword:
// which family parses it (its record layout), the name its messages begin
// with, the key its record is stored under, the record's length where the
// layout fixes it, the names of its values, and how its key block reads. The
// converter writes each record by its row, and VorlDump decodes compiled
// records by the same rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "proplist/value_names.h"
#include "source/tokens.h"

/// Every record starts with this vendor code.
inline constexpr std::uint32_t kVendorCode = KeyCode("5KIM");

/// How a property's data is laid out; each layout is parsed by one routine
/// of the converter and decoded by one of VorlDump.
enum class RecordLayout {
  kNone,             ///< no record: entry points for other processors are skipped
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

/// kTerminology: version, class id, event id and terminology id come before
/// the string part.
inline constexpr int kTerminologyFixedBytes = 4 + 4 + 4 + 2;

/// How the numbers of a kNumber property read best.
enum class NumberStyle { kDecimal, kHex };

/// Groups of a code list: "many" holds any number of entries, "one" exactly one.
enum class GroupForm { kMany, kOne };

/// How the key stands in the key line: as four characters reversed, or as a
/// 32-bit number in upper- or lower-case hexadecimal.
enum class KeyText { kReversed, kHex, kLowerHex };

/// A four-character code's characters in natural order: its first one is
/// the high byte.
constexpr std::array<char, 4> CodeCharacters(std::uint32_t code) {
  return {static_cast<char>(code >> 24), static_cast<char>((code >> 16) & 0xFF),
          static_cast<char>((code >> 8) & 0xFF), static_cast<char>(code & 0xFF)};
}

/// The text a record begins with, laid out when the program is compiled: the
/// vendor line, the key line, the property id and the length, or, where the
/// data decides the length, everything before it ("...\tRSCS32(").
struct RecordHead {
  std::array<char, 128> text{};
  std::size_t size = 0;

  constexpr void Add(std::string_view piece) {
    if (piece.size() > text.size() - size) throw "a record head longer than its room";
    for (char c : piece) text[size++] = c;
  }
  constexpr void AddNumber(std::uint32_t value) {
    char digits[10] = {};
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (count > 0) Add(std::string_view(&digits[--count], 1));
  }
  /// The code's characters as they stand.
  constexpr void AddNatural(std::uint32_t code) {
    const std::array<char, 4> text = CodeCharacters(code);
    Add(std::string_view(text.data(), text.size()));
  }
  /// The code's characters reversed, in quotes.
  constexpr void AddReversed(std::uint32_t code) {
    const char quoted[6] = {'"',
                            static_cast<char>(code & 0xFF),
                            static_cast<char>((code >> 8) & 0xFF),
                            static_cast<char>((code >> 16) & 0xFF),
                            static_cast<char>(code >> 24),
                            '"'};
    Add(std::string_view(quoted, 6));
  }
  constexpr void AddHex(std::uint32_t code, bool lower) {
    const char* digits = lower ? "0123456789abcdef" : "0123456789ABCDEF";
    Add("0x");
    for (int shift = 28; shift >= 0; shift -= 4) Add(std::string_view(&digits[(code >> shift) & 0xF], 1));
    Add("L");
  }
};

/// One property: what the converter parses and writes, and what VorlDump
/// reads back. Rows are written in keywords.def as a chain, e.g.
///   Record(kCodeList, "ParseReadTypes", "RdTy").Says("PIReadTypesProperty")
/// and finished by Named with the keyword and its token class.
struct PropertyRow {
  const char* keyword = "";
  int token = 0;
  RecordLayout layout = RecordLayout::kNone;
  /// The name the property's messages begin with ("ParseReadTypes: ...").
  const char* parser = "";
  std::uint32_t key = 0;
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

  // The key block as the hosts' headers have always had it, which differs
  // from property to property in its small details.
  KeyText keyText = KeyText::kReversed;
  bool blankAfterKey = true;           ///< "dnik", /* or "eman",/*
  const char* commentKey = nullptr;    ///< the key the comment names, when not the key
  bool commentShowsKey = true;
  const char* label = "";              ///< what the comment says after the key
  bool blankBeforeCommentEnd = true;   ///< ... */ or ...*/
  bool commaAfterComment = false;      ///< */, before the line end
  bool inLongs = false;                ///< id and length as 0L and 4L, not RSCS32
  bool commaAfterLength = false;       ///< "4L," rather than "4L"
  RecordHead head;

  // The chain a row is written with; each step returns the row changed.
  constexpr PropertyRow Names(std::span<const NamedBits> table) const { auto row = *this; row.names = table; return row; }
  constexpr PropertyRow Says(const char* text) const { auto row = *this; row.label = text; return row; }
  constexpr PropertyRow HexValues() const { auto row = *this; row.style = NumberStyle::kHex; return row; }
  constexpr PropertyRow CountingBytes() const { auto row = *this; row.escapesAsBytes = true; return row; }
  constexpr PropertyRow Nested() const { auto row = *this; row.nested = true; return row; }
  constexpr PropertyRow List(GroupForm groups, bool typeAndCreator, bool codesReversed) const {
    auto row = *this;
    row.form = groups;
    row.pairs = typeAndCreator;
    row.reversed = codesReversed;
    return row;
  }
  constexpr PropertyRow KeyAs(KeyText text) const { auto row = *this; row.keyText = text; return row; }
  constexpr PropertyRow NoBlankAfterKey() const { auto row = *this; row.blankAfterKey = false; return row; }
  constexpr PropertyRow CommentNames(const char* otherKey) const { auto row = *this; row.commentKey = otherKey; return row; }
  constexpr PropertyRow CommentWithoutKey() const { auto row = *this; row.commentShowsKey = false; return row; }
  constexpr PropertyRow NoBlankBeforeCommentEnd() const { auto row = *this; row.blankBeforeCommentEnd = false; return row; }
  constexpr PropertyRow CommaAfterComment() const { auto row = *this; row.commaAfterComment = true; return row; }
  constexpr PropertyRow InLongs(bool commaAfter = false) const {
    auto row = *this;
    row.inLongs = true;
    row.commaAfterLength = commaAfter;
    return row;
  }
};

namespace property_rows {

using enum RecordLayout;
using enum GroupForm;
using enum KeyText;

/// A row's start: its family, the name its messages begin with, its key in
/// natural order, and the length its layout fixes.
constexpr PropertyRow Record(RecordLayout layout, const char* parser, const char (&key)[5],
                             std::uint32_t length = 0) {
  PropertyRow row;
  row.layout = layout;
  row.parser = parser;
  row.key = KeyCode(key);
  row.length = length;
  return row;
}

/// The row of a keyword that names no record.
constexpr PropertyRow Unsupported() { return PropertyRow{}; }

/// The head every record of the row begins with.
constexpr RecordHead HeadOf(const PropertyRow& row) {
  RecordHead head;
  if (row.layout == kNone) return head;
  head.Add("\t");
  head.AddReversed(kVendorCode);
  head.Add(",\n\t");
  if (row.keyText == kReversed) head.AddReversed(row.key);
  else head.AddHex(row.key, row.keyText == kLowerHex);
  head.Add(row.blankAfterKey ? ", /* " : ",/* ");
  const bool labelled = row.label[0] != '\0';
  if (row.commentShowsKey) {
    head.Add("'");
    if (row.commentKey != nullptr) head.Add(row.commentKey);
    else head.AddNatural(row.key);
    head.Add(labelled ? "' " : "'");
  }
  head.Add(row.label);
  head.Add(row.blankBeforeCommentEnd ? " */" : "*/");
  head.Add(row.commaAfterComment ? ",\n" : "\n");
  if (row.inLongs) {
    if (row.length == 0) throw "a length in longs is fixed";
    head.Add("\t0L,\n\t");
    head.AddNumber(row.length);
    head.Add(row.commaAfterLength ? "L,\n" : "L\n");
    return head;
  }
  head.Add("\tRSCS32(0),\n\tRSCS32(");
  if (row.length == 0) return head;
  head.AddNumber(row.length);
  head.Add("),\n");
  return head;
}

/// A row finished with its keyword and token class.
constexpr PropertyRow Named(const char* keyword, int token, PropertyRow row) {
  row.keyword = keyword;
  row.token = token;
  row.head = HeadOf(row);
  return row;
}

/// Every property row, in the order of keywords.def.
inline constexpr PropertyRow kRows[] = {
#define PROPERTY(word, num, row) Named(#word, num, row),
#include "source/keywords.def"
};

/// The row of each token class; null for a class that is no property keyword.
/// tokens.h keeps every class number below the limit.
inline constexpr auto kRowOfToken = [] {
  std::array<const PropertyRow*, kTokenClassLimit> rows{};
  for (const PropertyRow& row : kRows) rows[static_cast<std::size_t>(row.token)] = &row;
  return rows;
}();

}  // namespace property_rows

/// Every property row.
constexpr std::span<const PropertyRow> PropertyRows() { return property_rows::kRows; }

/// The row of the property keyword class `token`, or null.
constexpr const PropertyRow* PropertyRowOfToken(std::int32_t token) {
  if (token < 0 || token >= kTokenClassLimit) return nullptr;
  return property_rows::kRowOfToken[static_cast<std::size_t>(token)];
}

/// The row of a keyword class that has one, for the routines that borrow
/// another property's messages.
constexpr const PropertyRow& RowOf(TokenClass token) { return *PropertyRowOfToken(token); }

/// The row of the record stored under `key`, or null.
const PropertyRow* PropertyRowOfKey(std::uint32_t key);
