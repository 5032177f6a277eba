// Macro replacement: a word that names a macro becomes the macro's number or
// string, the value its #define gave it.
#include <algorithm>
#include <cstring>

#include "source/lexer.h"

void Lexer::ReplaceMacro(const Macro& macro) {
  if (macro.kind == kMacroString) {
    // The text goes where the latest string lives; the format result holds less.
    const std::size_t room = token_.text == formatResult_ ? kFormatResultSize : kStringMax + 1;
    if (!token_.text) token_.text = stringBuffer_.get();
    // (The value came from a string token: it holds no zero byte.)
    const std::size_t length = std::min(macro.stringValue.size(), room - 1);
    std::memcpy(token_.text, macro.stringValue.data(), length);
    token_.text[length] = '\0';
    token_.eClass = TOK_STRING;
  } else {
    token_.value = macro.numValue;
    token_.eClass = TOK_NUMBER;
  }
}
