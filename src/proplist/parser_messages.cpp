// Composes a family member's message from its parser name.
#include "proplist/parser_messages.h"

#include "driver/diagnostics.h"
#include "source/lexer.h"

void FailIn(const char* parser, const char* what) {
  FatalErrorFormatted("%s: %s", parser, what);
}

void ExpectTokenIn(int tokenClass, const char* parser, const char* what) {
  GetToken();
  if (pToken->eClass != tokenClass) FailIn(parser, what);
}
