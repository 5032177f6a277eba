// File types, creators, extensions and clipboard types a plug-in handles:
// the fixed FmtFileType pair and the eleven list properties, which share one
// routine driven by a row per property.
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/lexer.h"

namespace {

/// "many" groups hold zero or more comma-separated entries; "one" groups
/// hold exactly one entry and then their close brace.
enum class GroupForm { kMany, kOne };
/// A type-and-creator pair (8 bytes) or a single code (4 bytes).
enum class EntryKind { kPair, kSingle };

struct ListProperty {
  const char* parser;  ///< the name its messages begin with
  const char* keyLine;
  GroupForm form;
  EntryKind entry;
  bool reversed;  ///< codes reversed; extensions keep their natural order
};

/// The length placeholder holds three digits.
constexpr long kMaxListLength = 999;

constexpr ListProperty kReadTypes{
    "ParseReadTypes",
    "\t\"yTdR\", /* 'RdTy' PIReadTypesProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kMany, EntryKind::kPair, true};
constexpr ListProperty kWriteTypes{
    "ParseWriteTypes",
    "\t\"yTrW\", /* 'WrTy' PIWriteTypesProperty*/\n\tRSCS32(0),\n\t",
    GroupForm::kMany, EntryKind::kPair, true};
constexpr ListProperty kFilteredTypes{
    "ParseFilteredTypes",
    "\t\"Ttff\", /* 'fftT' PIFilteredTypesProperty */,\n\tRSCS32(0),\n\t",
    GroupForm::kOne, EntryKind::kPair, true};
constexpr ListProperty kParsableTypes{
    "ParseParsableTypes",
    "\t\"YTsp\", /* 'psTY' PIParsableTypesProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kOne, EntryKind::kPair, true};
constexpr ListProperty kFilteredParsableTypes{
    "ParseFilteredParsableTypes",
    "\t\"yTsp\", /* 'psTy' PIFilteredParsableTypesProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kOne, EntryKind::kPair, true};
constexpr ListProperty kReadExtensions{
    "ParseReadExtensions",
    "\t\"xEdR\", /* 'RdEx' PIReadExtProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kMany, EntryKind::kSingle, false};
constexpr ListProperty kWriteExtensions{
    "ParseWriteExtensions",
    "\t\"xErW\", /* 'WrEx' PIWriteExtProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kMany, EntryKind::kSingle, false};
constexpr ListProperty kFilteredExtensions{
    "ParseFilteredExtensions",
    "\t\"Etff\", /* 'fftE' PIFilteredExtProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kMany, EntryKind::kSingle, false};
constexpr ListProperty kParsableExtensions{
    "ParseParsableExtensions",
    "\t\"XEsp\", /* 'psEX' PIParsableExtProperty */,\n\tRSCS32(0),\n\t",
    GroupForm::kOne, EntryKind::kSingle, false};
constexpr ListProperty kFilteredParsableExtensions{
    "ParseFilteredParsableExtensions",
    "\t\"xEsp\", /* 'psEx' PIFilteredParsableExtProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kOne, EntryKind::kSingle, false};
constexpr ListProperty kParsableClipboardTypes{
    "ParseParsableClipboardTypes",
    "\t\"BCsp\", /* 'psCB' PIParsableClipTypesProperty */\n\tRSCS32(0),\n\t",
    GroupForm::kOne, EntryKind::kSingle, true};

/// Writes the current token as one code of the list, failing unless it is a
/// full four-character literal.
void WriteListCode(const ListProperty& list) {
  if (!IsFourCharLiteral()) FailIn(list.parser, "Type expected!");
  WriteCodeLine(list.reversed);
}

/// Writes one entry, starting at the current token; returns its size in bytes.
/// The token between type and creator is passed over unchecked.
long WriteListEntry(const ListProperty& list) {
  WriteListCode(list);
  if (list.entry == EntryKind::kSingle) return 4;
  GetToken();
  GetToken();
  WriteListCode(list);
  return 8;
}

void AddToLength(const ListProperty& list, long& length, long entrySize) {
  length += entrySize;
  if (length > kMaxListLength) FailIn(list.parser, "List too long");
}

/// One braced group, its open brace still to be read.
void ParseListGroup(const ListProperty& list, long& length) {
  ExpectTokenIn(TOK_LBRACE, list.parser, "Open Brace Expected!");
  if (list.form == GroupForm::kOne) {
    GetToken();
    long entrySize = WriteListEntry(list);
    ExpectTokenIn(TOK_RBRACE, list.parser, "CloseBrace Expected");
    AddToLength(list, length, entrySize);
    return;
  }
  // A comma just before the group's close brace is accepted.
  for (;;) {
    GetToken();
    if (pToken->eClass == TOK_RBRACE) return;
    AddToLength(list, length, WriteListEntry(list));
    GetToken();
    if (pToken->eClass != TOK_COMMA) break;
  }
  if (pToken->eClass != TOK_RBRACE) FailIn(list.parser, "CloseBrace Expected");
}

/// One list property: key line, back-patched length, then one or more groups;
/// the token between two groups is passed over unchecked.
void ParseListProperty(const ListProperty& list) {
  ExpectTokenIn(TOK_LBRACE, list.parser, "Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(), "%s", list.keyLine);
  WriteFormatted(Out(), "RSCS32(");
  Placeholder where = WritePlaceholder(Out(), "%3ld", 0);
  WriteFormatted(Out(), "),\n");
  long length = 0;
  do {
    ParseListGroup(list, length);
    GetToken();
  } while (pToken->eClass != TOK_RBRACE);
  PatchPlaceholder(Out(), where, "%3ld", length);
}

}  // namespace

void ParseFmtFileType() {
  ExpectToken(TOK_LBRACE, "ParseFmtFileType: Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(),
                 "\t\"CTmf\",/* 'fmTC' PIFmtFileTypeProperty */\n\tRSCS32(0),\n\tRSCS32(8),\n");
  ExpectFourCharLiteral("ParseFmtFileType: Type expected!");
  WriteCodeLine(true);
  GetToken();
  ExpectFourCharLiteral("ParseFmtFileType: Type expected!");
  WriteCodeLine(true);
  ExpectToken(TOK_RBRACE, "ParseFmtFileType: CloseBrace Expected");
}

void ParseReadTypes() { ParseListProperty(kReadTypes); }
void ParseWriteTypes() { ParseListProperty(kWriteTypes); }
void ParseFilteredTypes() { ParseListProperty(kFilteredTypes); }
void ParseParsableTypes() { ParseListProperty(kParsableTypes); }
void ParseFilteredParsableTypes() { ParseListProperty(kFilteredParsableTypes); }
void ParseReadExtensions() { ParseListProperty(kReadExtensions); }
void ParseWriteExtensions() { ParseListProperty(kWriteExtensions); }
void ParseFilteredExtensions() { ParseListProperty(kFilteredExtensions); }
void ParseParsableExtensions() { ParseListProperty(kParsableExtensions); }
void ParseFilteredParsableExtensions() { ParseListProperty(kFilteredParsableExtensions); }
void ParseParsableClipboardTypes() { ParseListProperty(kParsableClipboardTypes); }
