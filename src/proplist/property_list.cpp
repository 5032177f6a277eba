// What every property record shares: expected tokens, signed pairs, flag
// names, and the code lines.
#include "proplist/property_list.h"

#include "base/diagnostics.h"
#include "base/near_name.h"
#include "source/expression.h"
#include "proplist/word_check.h"
#include "source/value.h"

void PropertyList::ExpectFourCharLiteral(const char* parser) {
  GetToken();
  if (!lexer_.IsFourCharLiteral()) FailIn(parser, "Type expected!");
}

PropertyList::SignedPair PropertyList::ReadSignedPair(const char* parser) {
  auto signedWord = [&] {
    return static_cast<int>(static_cast<int16_t>(static_cast<uint16_t>(ReadNumber(parser, "Number Expected"))));
  };
  SignedPair pair;
  pair.first = signedWord();
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  pair.second = signedWord();
  return pair;
}

unsigned PropertyList::ReadNamedFlags(const FlagList& list) {
  unsigned flags = 0;
  for (std::size_t count = 0; list.maxNames == 0 || count < list.maxNames; ++count) {
    ExpectToken(TOK_IDENT, list.parser, "Unsupported Token!");
    if (const NamedBits* entry = FindName(list.row.names, pToken->name)) flags |= entry->bits;
    else if (wordCheck_ != nullptr) CheckName(NameListsOf(list.row).front());
    GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (list.commaParser != nullptr && pToken->eClass != TOK_COMMA)
      FailIn(list.commaParser, "Comma Expected");
  }
  return flags;
}

void PropertyList::CheckName(const NameList& list) {
  WordCheck* check = wordCheck_;
  if (check == nullptr) return;
  const auto offer = [&list](NearName& near) {
    for (const NamedBits& name : list.names) near.Consider(name.name);
  };
  const auto what = [&list] {
    std::string text = "no name of ";
    if (!list.place.empty()) text += "the " + std::string(list.place) + " of ";
    return text + list.row->keyword;
  };
  if (list.othersFail) WordCheck::Refuse(*pToken, what(), offer);
  const std::string_view nearest = check->NearestInList(*pToken, list.names.data(), offer);
  if (!nearest.empty()) check->Warn(*pToken, what(), nearest);
}

int32_t PropertyList::ReadNumber(const char* parser, const char* what) {
  if (lexer_.ReadsCTokens()) return ReadValue(lexer_);
  GetToken();
  if (pToken->eClass != TOK_NUMBER) FailIn(parser, what);
  return pToken->value;
}

int32_t PropertyList::ReadExpression() {
  return lexer_.ReadsCTokens() ? ReadValue(lexer_) : VORL_GetExpression(lexer_);
}

void PropertyList::WriteCodeLine(const char* c, bool reversed) {
  if (reversed)
    out_.WriteFormatted("\t\"%c%c%c%c\", \n", c[3], c[2], c[1], c[0]);
  else
    out_.WriteFormatted("\t\"%c%c%c%c\", \n", c[0], c[1], c[2], c[3]);
}
