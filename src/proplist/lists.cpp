// File types, creators, extensions and clipboard types a plug-in handles:
// the fixed FmtFileType pair, and the eleven lists, whose rows say their
// group form, whether an entry is a pair, and the order of the codes.
#include "base/diagnostics.h"
#include "proplist/property_list.h"

namespace {

/// The length placeholder holds three digits.
constexpr long kMaxListLength = 999;

}  // namespace

void PropertyList::ParseCodeList(const PropertyRow& list) {
  long length = 0;
  // One entry, starting at the current token, and its size in bytes. Each
  // code must be a full four-character literal; the token between type and
  // creator is passed over unchecked.
  auto writeEntry = [&] {
    auto writeCode = [&] {
      if (!lexer_.IsFourCharLiteral()) FailIn(list.parser, "Type expected!");
      WriteCodeLine(pToken->code, list.reversed);
    };
    writeCode();
    if (!list.pairs) return 4L;
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
    if (list.form == GroupForm::kOne) {
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
  WriteHead(list);
  const Placeholder where = out_.WritePlaceholder("%3ld", 0);
  out_.WriteFormatted("),\n");
  do {
    parseGroup();
    GetToken();
  } while (pToken->eClass != TOK_RBRACE);
  out_.PatchPlaceholder(where, "%3ld", length);
}

void PropertyList::ParseFileType(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  WriteHead(row);
  ExpectFourCharLiteral(row.parser);
  WriteCodeLine(pToken->code, true);
  GetToken();
  ExpectFourCharLiteral(row.parser);
  WriteCodeLine(pToken->code, true);
  ExpectToken(TOK_RBRACE, row.parser, "CloseBrace Expected");
}
