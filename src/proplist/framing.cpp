// Property-list resources: the header, the block around the properties, the
// back-patched property count and the body loop.
#include "base/diagnostics.h"
#include "base/near_name.h"
#include "proplist/property_list.h"
#include "proplist/word_check.h"
#include "source/resource_id.h"

namespace {

constexpr int kMaxProperties = 999;  // what the three-digit count can hold

}  // namespace

void PropertyList::ConvertVorl(const char* type) {
  propertyCount_ = 0;
  do {
    GetToken();
    if (pToken->eClass == TOK_EOF) FailIn("ConvertVorl", "Premature End of file");
  } while (pToken->eClass != TOK_LPAREN);
  const int32_t id = GetResourceID(lexer_, "GetResourceID: integer expected");
  out_.WriteFormatted("%d  %s  DISCARDABLE\nBEGIN\n\t0x0001,\t /* Must always be the first Byte */\n"
                      "\tRSCS32(0), \t/* kCurrentVorlVersion */\n\t",
                      static_cast<int16_t>(id), type);
  SkipToCloseParanthesis();
  out_.WriteFormatted("RSCS32(");
  const Placeholder count = out_.WritePlaceholder("%3ld", propertyCount_);
  out_.WriteFormatted("), /* Property Count */\n");
  ParseVorlBody();
  GetToken();
  if (pToken->eClass != TOK_SEMICOLON) FailIn("ConvertVorl", "Semicolon Expected!");
  out_.PatchPlaceholder(count, "%3ld", propertyCount_);
  out_.WriteFormatted("\nEND\n\n");
}

void PropertyList::SkipToCloseParanthesis() {
  // A depth count rather than recursion: nested parentheses cost no stack.
  for (long depth = 1; depth > 0;) {
    GetToken();
    if (pToken->eClass == TOK_RPAREN) --depth;
    else if (pToken->eClass == TOK_LPAREN) ++depth;
    else if (pToken->eClass == TOK_EOF) FailIn("SkipToCloseParanthesis", "Premature End of file\n");
  }
}

void PropertyList::ParseProperty(const PropertyRow& row) {
  switch (row.layout) {
    case RecordLayout::kNone: return SkipUnsupported(row);
    case RecordLayout::kKind: return ParseKind(row);
    case RecordLayout::kVersion: return ParseVersion(row);
    case RecordLayout::kNumber: return ParseNumber(row);
    case RecordLayout::kCode: return ParseCode(row);
    case RecordLayout::kLengthPrefixed: return ParseLengthPrefixed(row);
    case RecordLayout::kZeroTerminated: return ParseZeroTerminated(row);
    case RecordLayout::kModes:
    case RecordLayout::kFlagByte: return ParseFlags(row);
    case RecordLayout::kFilterCase: return ParseFilterCase(row);
    case RecordLayout::kWordPair: return ParseWordPair(row);
    case RecordLayout::kWords: return ParseWords(row);
    case RecordLayout::kFileType: return ParseFileType(row);
    case RecordLayout::kCodeList: return ParseCodeList(row);
    case RecordLayout::kTerminology: return ParseTerminology(row);
    case RecordLayout::kFormatExtension: return ParseFormatExtension(row);
  }
}

void PropertyList::ParseVorlBody() {
  ExpectToken(TOK_LBRACE, "ParseVorlBody", "Open Brace Expected!");
  ExpectToken(TOK_LBRACE, "ParseVorlBody", "Open Brace Expected!");
  GetToken();
  while (pToken->eClass != TOK_RBRACE) {
    const PropertyRow* row = PropertyRowOfToken(pToken->eClass);
    if (row == nullptr) {
      if (wordCheck_ != nullptr && IsWordClass(pToken->eClass)) {
        WordCheck::Refuse(*pToken, "no property", [](NearName& near) {
          for (const PropertyRow& property : PropertyRows()) near.Consider(property.keyword);
        });
      }
      FailIn("ParseVorlBody", "Unexpected Token");
    }
    ParseProperty(*row);
    // Entry points for other processors are skipped and not counted.
    if (row->layout != RecordLayout::kNone) {
      if (propertyCount_ >= kMaxProperties) FailIn("ParseVorlBody", "Too many properties");
      ++propertyCount_;
    }
    out_.WriteFormatted("\n");
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass != TOK_COMMA) FailIn("ParseVorlBody", "Comma Expected");
    GetToken();
  }
  ExpectToken(TOK_RBRACE, "ParseVorlBody", "CloseBrace Expected");
}
