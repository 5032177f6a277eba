// Identity properties: what kind of plug-in this is, its version, priority and
// required host, its name and category, and its entry points.
#include <cstdint>

#include "base/diagnostics.h"
#include "proplist/property_list.h"
#include "proplist/record_shapes.h"
#include "source/expression.h"

namespace {

/// A kind keyword and the code line written for it.
struct KindCode {
  int32_t tokenClass;
  const char* code;
};

constexpr KindCode kKindCodes[] = {
#define KIND(word, num, code) {KW_##word, code},
#include "source/keywords.def"
};

constexpr LengthPrefixedProperty kNameProperty{
    "ParseName", "\t\"eman\",/* 'name' PINameProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n",
    &kNameShape};
constexpr LengthPrefixedProperty kCategoryProperty{
    "ParseCategory",
    "\t\"gtac\", /* 'catg' PICategoryProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n",
    &kCategoryShape};

constexpr NumericProperty kPriority{
    "ParsePriority", "\t0x70727479L, /* 'prty' PIPriorityProperty */\n\t0L,\n\t4L\n"};

/// The key lines of the two entry points; %d takes the padded length.
constexpr ScriptFormat<int> kWin64X86KeyLine =
    "\t\"4668\", /* '8664' PIWin64X86CodeProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n";
constexpr ScriptFormat<int> kWin32X86KeyLine =
    "\t\"68xw\", /* 'wx86' PIWin32X86CodeProperty */\n\tRSCS32(0),\n\tRSCS32(%d),\n";

/// Entry points for other processors are announced and dropped. Without an
/// open brace there is nothing to skip: the token is left for the body loop.
void SkipUnsupportedCode(Lexer& lexer, const char* keyword) {
  PrintStdout("UnSupported Property %s", keyword);
  lexer.GetToken();
  if (lexer.pToken->eClass == TOK_LBRACE) {
    lexer.SkipBlock();
  } else {
    lexer.UngetToken();
  }
}

}  // namespace

void PropertyList::ParseKindProperty() {
  const char* parser = "ParseKindProperty";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  GetToken();
  WriteVendorCode();
  out_.WriteFormatted("\t\"dnik\", /* 'kind' PIKindProperty*/\n\tRSCS32(0),\n\tRSCS32(4),\n");
  const KindCode* found = nullptr;
  for (const KindCode& kind : kKindCodes) {
    if (kind.tokenClass == pToken->eClass) found = &kind;
  }
  if (found == nullptr) FailIn(parser, "Invalid Token!");
  out_.WriteFormatted("\t\"%s\",\n", found->code);
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
}

void PropertyList::ParseVersionProperty() {
  const char* parser = "ParseVersionProperty";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteVendorCode();
  out_.WriteFormatted("\t\"srev\", /* 'vers' PIVersionProperty */\n\tRSCS32(0),\n\tRSCS32(4),\n");
  const uint32_t version = static_cast<uint32_t>(VORL_GetExpression(lexer_));
  out_.WriteFormatted("\t%d, %d, \n", static_cast<int>(version & 0xFFFFu),
                      static_cast<int>(version >> 16));
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
}

void PropertyList::ParsePriority() { ParseNumericProperty(kPriority); }

void PropertyList::ParseRequiredHost() {
  const char* parser = "ParseRequiredHost";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteVendorCode();
  out_.WriteFormatted("\t0x686f7374L, /* 'host' PIRequiredHostProperty */\n\t0L,\n\t4L,\n");
  ExpectFourCharLiteral(parser);
  WriteCodeLine(true);
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
}

void PropertyList::ParseName() { ParseLengthPrefixedProperty(kNameProperty); }

void PropertyList::ParseCategory() { ParseLengthPrefixedProperty(kCategoryProperty); }

void PropertyList::ParseCodeWinOSX86(bool is64Bit) {
  const char* parser = "ParseCodeWinOSX86";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  WriteVendorCode();
  ExpectToken(TOK_STRING, parser, "String expected!");
  const StringField field = BuildZeroTerminatedField(pToken->text);
  out_.WriteFormatted(is64Bit ? kWin64X86KeyLine : kWin32X86KeyLine, field.length);
  out_.WriteFormatted("\t\"%s\", \n", field.text);
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");
}

void PropertyList::ParseCodeWin32X86() { ParseCodeWinOSX86(false); }

void PropertyList::ParseCodeWin64X86() { ParseCodeWinOSX86(true); }

void PropertyList::SkipCode68K() { SkipUnsupportedCode(lexer_, "Code68K"); }

void PropertyList::SkipCodePowerPC() { SkipUnsupportedCode(lexer_, "CodePowerPC"); }
