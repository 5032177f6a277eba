// The id of a resource header. Plug-in sources number their resources from
// one base macro (kBase, kBase + 1, kBase - kOff), and the code that loads
// a resource asks for the number so written: every term counts, and an id
// that cannot be read whole is refused rather than cut short.
#include "source/resource_id.h"

#include "base/diagnostics.h"
#include "source/lexer.h"
#include "source/value.h"

namespace {

/// The operators of numeric values other than + and -; one after the id
/// would combine it with what follows, which the id does not take.
bool IsOtherOperator(int32_t tokenClass) {
  return tokenClass == TOK_STAR || tokenClass == TOK_SLASH || tokenClass == TOK_BAR ||
         tokenClass == TOK_LESS;
}

}  // namespace

int32_t GetResourceID(Lexer& lexer, const char* failure) {
  // The header's own parenthesis is read: the id is a C expression, whose
  // parentheses are its own.
  if (lexer.ReadsCTokens()) return ReadValue(lexer);
  const Token* pToken = lexer.pToken;
  do {
    lexer.GetToken();
  } while (pToken->eClass == TOK_LPAREN);
  uint32_t id = 0;
  bool minus = pToken->eClass == TOK_MINUS;
  if (minus) lexer.GetToken();
  for (;;) {
    if (pToken->eClass != TOK_NUMBER) FatalError(failure);
    const uint32_t term = static_cast<uint32_t>(pToken->value);
    id = minus ? id - term : id + term;
    lexer.GetToken();
    if (pToken->eClass != TOK_PLUS && pToken->eClass != TOK_MINUS) break;
    minus = pToken->eClass == TOK_MINUS;
    lexer.GetToken();
  }
  if (IsOtherOperator(pToken->eClass)) FatalError(failure);
  lexer.UngetToken();
  return static_cast<int32_t>(id);
}
