// Property-list resources: the header, the block around the properties, the
// back-patched property count and the body loop.
#include <cstring>

#include "base/diagnostics.h"
#include "proplist/property_list.h"

namespace {

constexpr int kMaxProperties = 999;  // what the three-digit count can hold

/// Entry points for other processors are reported and skipped, not counted.
bool IsCountedProperty(int32_t tokenClass) {
  return tokenClass != KW_Code68K && tokenClass != KW_CodePowerPC;
}

}  // namespace

void PropertyList::ConvertVorl() {
  propertyCount_ = 0;
  const bool twin = std::strcmp(pToken->code, "TzAv") == 0;
  do {
    GetToken();
    if (pToken->eClass == TOK_EOF) FailIn("ConvertVorl", "Premature End of file");
  } while (pToken->eClass != TOK_LPAREN);
  const int32_t id = GetResourceID();
  out_.WriteFormatted("%d  %s  DISCARDABLE\nBEGIN\n\t0x0001,\t /* Must always be the first Byte */\n"
                      "\tRSCS32(0), \t/* kCurrentVorlVersion */\n\t",
                      static_cast<int16_t>(id), twin ? "TzAv" : "Vorl");
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

int32_t PropertyList::GetResourceID() {
  do {
    GetToken();
  } while (pToken->eClass == TOK_LPAREN);
  uint32_t id;
  if (pToken->eClass == TOK_MINUS) {
    GetToken();
    if (pToken->eClass != TOK_NUMBER) FailIn("GetResourceID", "integer expected");
    id = 0u - static_cast<uint32_t>(pToken->value);
  } else if (pToken->eClass == TOK_NUMBER) {
    id = static_cast<uint32_t>(pToken->value);
  } else {
    FailIn("GetResourceID", "integer expected");
  }
  GetToken();
  if (pToken->eClass == TOK_PLUS) {
    GetToken();
    if (pToken->eClass != TOK_NUMBER) FailIn("GetResourceID", "integer expected");
    id += static_cast<uint32_t>(pToken->value);
  } else {
    UngetToken();
  }
  return static_cast<int32_t>(id);
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

bool PropertyList::ParseProperty(int32_t keyword) {
  switch (keyword) {
#define PROPERTY(word, num, parser) \
  case num:                         \
    parser();                       \
    return true;
#include "source/keywords.def"
    default:
      return false;
  }
}

void PropertyList::ParseVorlBody() {
  ExpectToken(TOK_LBRACE, "ParseVorlBody", "Open Brace Expected!");
  ExpectToken(TOK_LBRACE, "ParseVorlBody", "Open Brace Expected!");
  GetToken();
  while (pToken->eClass != TOK_RBRACE) {
    const int32_t keyword = pToken->eClass;
    if (!ParseProperty(keyword)) FailIn("ParseVorlBody", "Unexpected Token");
    if (IsCountedProperty(keyword)) {
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
