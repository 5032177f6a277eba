// Identity properties: what kind of plug-in this is, its version, priority and
// required host, its name and category, and its entry points.
#include <cstdint>

#include "driver/diagnostics.h"
#include "driver/statements.h"
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/expression.h"
#include "source/lexer.h"

namespace {

/// A kind keyword and the code line written for it.
struct KindCode {
  int32_t tokenClass;
  const char* code;
};

constexpr KindCode kKindCodes[] = {
#define STATEMENT(text, cls, num)
#define PROPERTY(word, num, parser)
#define KIND(word, num, code) {KW_##word, code},
#include "source/keywords.def"
#undef STATEMENT
#undef PROPERTY
#undef KIND
};

// Their length bytes count the characters the text is written with, escapes
// included, as the hosts that read these records expect.
constexpr LengthPrefixedProperty kNameProperty{
    "ParseName", "\t\"eman\",/* 'name' PINameProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n",
    false};
constexpr LengthPrefixedProperty kCategoryProperty{
    "ParseCategory",
    "\t\"gtac\", /* 'catg' PICategoryProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n", false};

/// Entry points for other processors are announced and dropped. Without an
/// open brace there is nothing to skip: the token is left for the body loop.
void SkipUnsupportedCode(const char* keyword) {
  PrintStdout("UnSupported Property %s", keyword);
  GetToken();
  if (pToken->eClass == TOK_LBRACE) {
    SkipBlock();
  } else {
    UngetToken();
  }
}

}  // namespace

void ParseKindProperty() {
  ExpectToken(TOK_LBRACE, "ParseKindProperty: Open Brace Expected!");
  GetToken();
  WriteVendorCode();
  WriteFormatted(Out(),
                 "\t\"dnik\", /* 'kind' PIKindProperty*/\n\tRSCS32(0),\n\tRSCS32(4),\n");
  const KindCode* found = nullptr;
  for (const KindCode& kind : kKindCodes) {
    if (kind.tokenClass == pToken->eClass) found = &kind;
  }
  if (found == nullptr) FatalError("ParseKindProperty: Invalid Token!");
  WriteFormatted(Out(), "\t\"%s\",\n", found->code);
  ExpectToken(TOK_RBRACE, "ParseKindProperty: CloseBrace Expected");
}

void ParseVersionProperty() {
  ExpectToken(TOK_LBRACE, "ParseVersionProperty: Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(),
                 "\t\"srev\", /* 'vers' PIVersionProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n");
  const uint32_t version = static_cast<uint32_t>(VORL_GetExpression());
  WriteFormatted(Out(), "\t%d, %d, \n", static_cast<int>(version & 0xFFFFu),
                 static_cast<int>(version >> 16));
  ExpectToken(TOK_RBRACE, "ParseVersionProperty: CloseBrace Expected");
}

void ParsePriority() {
  ExpectToken(TOK_LBRACE, "ParsePriority: Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(), "\t0x70727479L, /* 'prty' PIPriorityProperty */\n\t0L,\n\t4L\n");
  WriteFormatted(Out(), "\t%ldL, \n", static_cast<long>(VORL_GetExpression()));
  ExpectToken(TOK_RBRACE, "ParsePriority: CloseBrace Expected");
}

void ParseRequiredHost() {
  ExpectToken(TOK_LBRACE, "ParseRequiredHost: Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(),
                 "\t0x686f7374L, /* 'host' PIRequiredHostProperty */\n\t0L,\n\t4L,\n");
  ExpectFourCharLiteral("ParseRequiredHost: Type expected!");
  WriteCodeLine(true);
  ExpectToken(TOK_RBRACE, "ParseRequiredHost: CloseBrace Expected");
}

void ParseName() { ParseLengthPrefixedProperty(kNameProperty); }

void ParseCategory() { ParseLengthPrefixedProperty(kCategoryProperty); }

void ParseCodeWinOSX86(bool is64Bit) {
  ExpectToken(TOK_LBRACE, "ParseCodeWinOSX86: Open Brace Expected!");
  WriteVendorCode();
  ExpectToken(TOK_STRING, "ParseCodeWinOSX86: String expected!");
  const StringField field = BuildZeroTerminatedField(pToken->text);
  WriteFormatted(Out(),
                 is64Bit ? "\t\"4668\", /* '8664' PIWin64X86CodeProperty */\n"
                           "\tRSCS32(0),\n\tRSCS32(%d),\n"
                         : "\t\"68xw\", /* 'wx86' PIWin32X86CodeProperty */\n"
                           "\tRSCS32(0),\n\tRSCS32(%d),\n",
                 field.length);
  WriteFormatted(Out(), "\t\"%s\", \n", field.text);
  ExpectToken(TOK_RBRACE, "ParseCodeWinOSX86: CloseBrace Expected");
}

void ParseCodeWin32X86() { ParseCodeWinOSX86(false); }

void ParseCodeWin64X86() { ParseCodeWinOSX86(true); }

void SkipCode68K() { SkipUnsupportedCode("Code68K"); }

void SkipCodePowerPC() { SkipUnsupportedCode("CodePowerPC"); }
