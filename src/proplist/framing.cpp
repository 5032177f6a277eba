// Property-list resources: the header, the block around the properties, the
// back-patched property count and the body loop.
#include "proplist/framing.h"

#include <cstring>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/lexer.h"

namespace {

constexpr int kMaxProperties = 999;  // what the three-digit count can hold

using PropertyParser = void (*)();

/// The body loop's dispatch, built from the keyword table's property rows.
PropertyParser ParserFor(int32_t tokenClass) {
  switch (tokenClass) {
#define STATEMENT(text, cls, num)
#define PROPERTY(word, num, parser) \
  case num:                         \
    return parser;
#define KIND(word, num, code)
#include "source/keywords.def"
#undef STATEMENT
#undef PROPERTY
#undef KIND
    default:
      return nullptr;
  }
}

/// Entry points for other processors are reported and skipped, not counted.
bool IsCountedProperty(int32_t tokenClass) {
  return tokenClass != KW_Code68K && tokenClass != KW_CodePowerPC;
}

int16_t propertyCount = 0;

}  // namespace

void ConvertVorl() {
  propertyCount = 0;
  const bool twin = std::strcmp(pToken->code, "TzAv") == 0;
  do {
    GetToken();
    if (pToken->eClass == TOK_EOF) FatalError("ConvertVorl: Premature End of file");
  } while (pToken->eClass != TOK_LPAREN);
  const int32_t id = GetResourceID();
  WriteFormatted(Out(),
                 "%d  %s  DISCARDABLE\nBEGIN\n\t0x0001,\t /* Must always be the first Byte */\n"
                 "\tRSCS32(0), \t/* kCurrentVorlVersion */\n\t",
                 static_cast<int16_t>(id), twin ? "TzAv" : "Vorl");
  SkipToCloseParanthesis();
  WriteFormatted(Out(), "RSCS32(");
  const Placeholder count = WritePlaceholder(Out(), "%3ld", propertyCount);
  WriteFormatted(Out(), "), /* Property Count */\n");
  ParseVorlBody();
  GetToken();
  if (pToken->eClass != TOK_SEMICOLON) FatalError("ConvertVorl: Semicolon Expected!");
  PatchPlaceholder(Out(), count, "%3ld", propertyCount);
  WriteFormatted(Out(), "\nEND\n\n");
}

int32_t GetResourceID() {
  do {
    GetToken();
  } while (pToken->eClass == TOK_LPAREN);
  uint32_t id;
  if (pToken->eClass == TOK_MINUS) {
    GetToken();
    if (pToken->eClass != TOK_NUMBER) FatalError("GetResourceID: integer expected");
    id = 0u - static_cast<uint32_t>(pToken->value);
  } else if (pToken->eClass == TOK_NUMBER) {
    id = static_cast<uint32_t>(pToken->value);
  } else {
    FatalError("GetResourceID: integer expected");
  }
  GetToken();
  if (pToken->eClass == TOK_PLUS) {
    GetToken();
    if (pToken->eClass != TOK_NUMBER) FatalError("GetResourceID: integer expected");
    id += static_cast<uint32_t>(pToken->value);
  } else {
    UngetToken();
  }
  return static_cast<int32_t>(id);
}

void SkipToCloseParanthesis() {
  // A depth count rather than recursion: nested parentheses cost no stack.
  for (long depth = 1; depth > 0;) {
    GetToken();
    if (pToken->eClass == TOK_RPAREN) --depth;
    else if (pToken->eClass == TOK_LPAREN) ++depth;
    else if (pToken->eClass == TOK_EOF) FatalError("SkipToCloseParanthesis: Premature End of file\n");
  }
}

void ParseVorlBody() {
  ExpectToken(TOK_LBRACE, "ParseVorlBody: Open Brace Expected!");
  ExpectToken(TOK_LBRACE, "ParseVorlBody: Open Brace Expected!");
  GetToken();
  while (pToken->eClass != TOK_RBRACE) {
    const int32_t keyword = pToken->eClass;
    const PropertyParser parse = ParserFor(keyword);
    if (!parse) FatalError("ParseVorlBody: Unexpected Token");
    parse();
    if (IsCountedProperty(keyword)) {
      if (propertyCount >= kMaxProperties) FatalError("ParseVorlBody: Too many properties");
      ++propertyCount;
    }
    WriteFormatted(Out(), "\n");
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass != TOK_COMMA) FatalError("ParseVorlBody: Comma Expected");
    GetToken();
  }
  ExpectToken(TOK_RBRACE, "ParseVorlBody: CloseBrace Expected");
}
