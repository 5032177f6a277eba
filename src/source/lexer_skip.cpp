// Skipping what is not converted: raw input up to a byte, and whole
// statements and blocks token by token.
#include "base/diagnostics.h"
#include "source/lexer.h"

void Lexer::SkipToCharacter(int c) {
  tokenPushedBack_ = false;
  // Without double-byte characters, every byte before the next c or line
  // feed in the stretch is passed over as it is.
  const bool plain = !locale_.HasLeadBytes();
  SourceCursor cursor(source_);
  for (;;) {
    if (plain) cursor.SkipBefore(static_cast<unsigned char>(c));
    const int byte = cursor.Next();
    if (byte == '\n') source_.AdvanceLine();
    if (byte == kEndOfInput) {
      cursor.Unget();
      return;
    }
    if (locale_.IsLeadByte(byte)) {
      cursor.Next();
    } else if (byte == c) {
      return;
    }
  }
}

void Lexer::SkipStatement() {
  for (;;) {
    GetToken();
    switch (token_.eClass) {
      case TOK_SEMICOLON:
        return;
      case TOK_LBRACE:
        SkipBlock();
        GetToken();
        if (token_.eClass != TOK_SEMICOLON) FatalError("Semicolon expected");
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

void Lexer::SkipBlock() {
  // A depth count rather than recursion: nesting costs no stack.
  for (long depth = 1; depth > 0;) {
    GetToken();
    if (token_.eClass == TOK_LBRACE) ++depth;
    else if (token_.eClass == TOK_RBRACE) --depth;
    else if (token_.eClass == TOK_EOF) FatalError("Premature End of file");
  }
}
