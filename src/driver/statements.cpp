// The statement loops: the main file's, which converts or skips each
// statement, and the included files', which only reads their directives.
#include "driver/statements.h"

#include <cstring>

#include "driver/diagnostics.h"
#include "driver/writer.h"
#include "proplist/framing.h"
#include "source/char_source.h"
#include "source/lexer.h"
#include "source/preprocessor.h"
#include "strings/lstr.h"

void ParseStatements() {
  SetLStrOutput(ScriptOutput());
  for (GetToken(); pToken->eClass != TOK_EOF; GetToken()) {
    switch (pToken->eClass) {
      case TOK_DATA:
      case TOK_RESOURCE:
        DispatchResource();
        break;
      case TOK_DIRECTIVE:
        HandleDirective();
        break;
      case TOK_READ:
        break;
      case TOK_LITERAL:
        SkipStatement();
        break;
      default:
        // Unknown words, stray punctuation, numbers and strings go with their
        // line; an include statement outside a directive has no effect.
        SkipToCharacter('\n');
        break;
    }
  }
}

void DispatchResource() {
  GetToken();
  if (std::strcmp(pToken->code, "Vorl") == 0 || std::strcmp(pToken->code, "TzAv") == 0)
    ConvertVorl();
  else if (std::strcmp(pToken->code, "LStr") == 0)
    ConvertLStr();
  else
    SkipStatement();
}

void SkipStatement() {
  for (;;) {
    GetToken();
    switch (pToken->eClass) {
      case TOK_SEMICOLON:
        return;
      case TOK_LBRACE:
        SkipBlock();
        GetToken();
        if (pToken->eClass != TOK_SEMICOLON) FatalError("Semicolon expected");
        return;
      case TOK_RESOURCE:
        // The statement lacked its semicolon; the next one begins here.
        UngetToken();
        return;
      case TOK_EOF:
        FatalError("Premature End of file");
      default:
        break;
    }
  }
}

void SkipBlock() {
  // A depth count rather than recursion: nesting costs no stack.
  for (long depth = 1; depth > 0;) {
    GetToken();
    if (pToken->eClass == TOK_LBRACE) ++depth;
    else if (pToken->eClass == TOK_RBRACE) --depth;
    else if (pToken->eClass == TOK_EOF) FatalError("Premature End of file");
  }
}

void ParseIncludedStatements() {
  int32_t previous = TOK_EOF;
  for (GetToken(); pToken->eClass != TOK_EOF; GetToken()) {
    const int32_t current = pToken->eClass;
    const bool changed = current != previous;
    switch (current) {
      case TOK_DATA:
      case TOK_RESOURCE:
        // Resources of included files are never converted.
        GetToken();
        SkipStatement();
        break;
      case TOK_DIRECTIVE:
        if (changed) PrintStdout("Parsing Directive\n");
        HandleDirective();
        break;
      case TOK_INCLUDE:
        if (changed) PrintStdout("Parsing Include\n");
        SkipToCharacter('\n');
        break;
      case TOK_READ:
        if (changed) PrintStdout("Parsing Read\n");
        break;
      case TOK_LITERAL:
        if (changed) PrintStdout("Parsing Type\n");
        SkipStatement();
        break;
      default:
        PrintStdout("UnknownToken: %s Line# %d\n", pToken->name ? pToken->name : "",
                    pToken->line);
        FatalError("Help 2");
    }
    previous = current;
  }
}
