// The plain reading's #define.
#include "source/plain_define.h"

#include <cstdint>

#include "source/expression.h"
#include "source/lexer.h"
#include "source/macros.h"

void DefineMacro(Lexer& lexer) {
  const Token* pToken = lexer.pToken;
  // Read while the directive is current, so the name is never replaced.
  lexer.GetToken();
  const int32_t nameLine = pToken->line;
  // The entry exists, value-less, while its value is read: a value that names
  // the macro itself is therefore an undefined symbol.
  Macro* macro = lexer.macros().AddMacro(pToken->name != nullptr ? pToken->name : "");
  lexer.GetToken();
  if (pToken->line != nameLine) {
    lexer.UngetToken();
    return;
  }
  if (pToken->eClass == TOK_STRING) {
    macro->stringValue = pToken->text != nullptr ? pToken->text : "";
    macro->kind = kMacroString;
    return;
  }
  const int32_t value = EvaluateMacroValue(lexer);
  macro->numValue = CutToSigned16(value);
  macro->kind = kMacroNumber;
}
