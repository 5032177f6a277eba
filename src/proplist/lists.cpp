// File types, creators, extensions and clipboard types a plug-in handles:
// the fixed FmtFileType pair and the eleven list properties, which share one
// routine driven by a row per property.
#include "base/diagnostics.h"
#include "proplist/property_list.h"
#include "proplist/record_shapes.h"

/// One list property: its row (group form, pairs or single codes, code
/// order), the name its messages begin with and its key line.
struct ListProperty {
  const RecordShape* shape;
  const char* parser;
  ScriptFormat<> keyLine;
};

namespace {

/// The length placeholder holds three digits.
constexpr long kMaxListLength = 999;

constexpr ListProperty kReadTypes{
    &kReadTypesShape, "ParseReadTypes",
    "\t\"yTdR\", /* 'RdTy' PIReadTypesProperty */\n\tRSCS32(0),\n\t"};
constexpr ListProperty kWriteTypes{
    &kWriteTypesShape, "ParseWriteTypes",
    "\t\"yTrW\", /* 'WrTy' PIWriteTypesProperty*/\n\tRSCS32(0),\n\t"};
constexpr ListProperty kFilteredTypes{
    &kFilteredTypesShape, "ParseFilteredTypes",
    "\t\"Ttff\", /* 'fftT' PIFilteredTypesProperty */,\n\tRSCS32(0),\n\t"};
constexpr ListProperty kParsableTypes{
    &kParsableTypesShape, "ParseParsableTypes",
    "\t\"YTsp\", /* 'psTY' PIParsableTypesProperty */\n\tRSCS32(0),\n\t"};
constexpr ListProperty kFilteredParsableTypes{
    &kFilteredParsableTypesShape, "ParseFilteredParsableTypes",
    "\t\"yTsp\", /* 'psTy' PIFilteredParsableTypesProperty */\n\tRSCS32(0),\n\t"};
constexpr ListProperty kReadExtensions{
    &kReadExtensionsShape, "ParseReadExtensions",
    "\t\"xEdR\", /* 'RdEx' PIReadExtProperty */\n\tRSCS32(0),\n\t"};
constexpr ListProperty kWriteExtensions{
    &kWriteExtensionsShape, "ParseWriteExtensions",
    "\t\"xErW\", /* 'WrEx' PIWriteExtProperty */\n\tRSCS32(0),\n\t"};
constexpr ListProperty kFilteredExtensions{
    &kFilteredExtensionsShape, "ParseFilteredExtensions",
    "\t\"Etff\", /* 'fftE' PIFilteredExtProperty */\n\tRSCS32(0),\n\t"};
constexpr ListProperty kParsableExtensions{
    &kParsableExtensionsShape, "ParseParsableExtensions",
    "\t\"XEsp\", /* 'psEX' PIParsableExtProperty */,\n\tRSCS32(0),\n\t"};
constexpr ListProperty kFilteredParsableExtensions{
    &kFilteredParsableExtensionsShape, "ParseFilteredParsableExtensions",
    "\t\"xEsp\", /* 'psEx' PIFilteredParsableExtProperty */\n\tRSCS32(0),\n\t"};
constexpr ListProperty kParsableClipboardTypes{
    &kParsableClipboardTypesShape, "ParseParsableClipboardTypes",
    "\t\"BCsp\", /* 'psCB' PIParsableClipTypesProperty */\n\tRSCS32(0),\n\t"};

}  // namespace

void PropertyList::ParseListProperty(const ListProperty& list) {
  long length = 0;
  // One entry, starting at the current token, and its size in bytes. Each
  // code must be a full four-character literal; the token between type and
  // creator is passed over unchecked.
  auto writeEntry = [&] {
    auto writeCode = [&] {
      if (!lexer_.IsFourCharLiteral()) FailIn(list.parser, "Type expected!");
      WriteCodeLine(list.shape->reversed);
    };
    writeCode();
    if (!list.shape->pairs) return 4L;
    GetToken();
    GetToken();
    writeCode();
    return 8L;
  };
  auto addToLength = [&](long entrySize) {
    length += entrySize;
    if (length > kMaxListLength) FailIn(list.parser, "List too long");
  };
  // One braced group, its open brace still to be read.
  auto parseGroup = [&] {
    ExpectToken(TOK_LBRACE, list.parser, "Open Brace Expected!");
    if (list.shape->form == GroupForm::kOne) {
      GetToken();
      const long entrySize = writeEntry();
      ExpectToken(TOK_RBRACE, list.parser, "CloseBrace Expected");
      addToLength(entrySize);
      return;
    }
    // A comma just before the group's close brace is accepted.
    for (;;) {
      GetToken();
      if (pToken->eClass == TOK_RBRACE) return;
      addToLength(writeEntry());
      GetToken();
      if (pToken->eClass != TOK_COMMA) break;
    }
    if (pToken->eClass != TOK_RBRACE) FailIn(list.parser, "CloseBrace Expected");
  };

  // Key line, back-patched length, then one or more groups; the token
  // between two groups is passed over unchecked.
  ExpectToken(TOK_LBRACE, list.parser, "Open Brace Expected!");
  WriteVendorCode();
  out_.WriteFormatted(list.keyLine);
  out_.WriteFormatted("RSCS32(");
  const Placeholder where = out_.WritePlaceholder("%3ld", 0);
  out_.WriteFormatted("),\n");
  do {
    parseGroup();
    GetToken();
  } while (pToken->eClass != TOK_RBRACE);
  out_.PatchPlaceholder(where, "%3ld", length);
}

void PropertyList::ParseFmtFileType() {
  const char* parser = "ParseFmtFileType";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteVendorCode();
  out_.WriteFormatted("\t\"CTmf\",/* 'fmTC' PIFmtFileTypeProperty */\n\tRSCS32(0),\n\tRSCS32(8),\n");
  ExpectFourCharLiteral(parser);
  WriteCodeLine(true);
  GetToken();
  ExpectFourCharLiteral(parser);
  WriteCodeLine(true);
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
}

void PropertyList::ParseReadTypes() { ParseListProperty(kReadTypes); }
void PropertyList::ParseWriteTypes() { ParseListProperty(kWriteTypes); }
void PropertyList::ParseFilteredTypes() { ParseListProperty(kFilteredTypes); }
void PropertyList::ParseParsableTypes() { ParseListProperty(kParsableTypes); }
void PropertyList::ParseFilteredParsableTypes() { ParseListProperty(kFilteredParsableTypes); }
void PropertyList::ParseReadExtensions() { ParseListProperty(kReadExtensions); }
void PropertyList::ParseWriteExtensions() { ParseListProperty(kWriteExtensions); }
void PropertyList::ParseFilteredExtensions() { ParseListProperty(kFilteredExtensions); }
void PropertyList::ParseParsableExtensions() { ParseListProperty(kParsableExtensions); }
void PropertyList::ParseFilteredParsableExtensions() { ParseListProperty(kFilteredParsableExtensions); }
void PropertyList::ParseParsableClipboardTypes() { ParseListProperty(kParsableClipboardTypes); }
