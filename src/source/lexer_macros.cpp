// Macro replacement: a word that names a macro becomes the macro's number or
// string, the value its #define gave it.
#include <cstring>

#include "source/lexer.h"

void Lexer::ReplaceMacro(const Macro& macro) {
  if (macro.kind == kMacroString) {
    // The text goes where the latest string lives; the format result holds less.
    const std::size_t room = token_.text == formatResult_ ? kFormatResultSize : sizeof stringBuffer_;
    if (!token_.text) token_.text = stringBuffer_;
    std::strncpy(token_.text, macro.stringValue.c_str(), room - 1);
    token_.text[room - 1] = '\0';
    token_.eClass = TOK_STRING;
  } else {
    token_.value = macro.numValue;
    token_.eClass = TOK_NUMBER;
  }
}
