// The preprocessor's #define.
#include "source/preprocessor.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "base/diagnostics.h"
#include "source/expression.h"
#include "source/lexer.h"
#include "source/macros.h"

namespace {

/// The length of the macro name at the start of `text` (0 when there is none).
std::size_t NameLength(const Lexer& lexer, std::string_view text) {
  std::size_t end = 0;
  const Locale& locale = lexer.locale();
  while (end < text.size()) {
    const auto byte = static_cast<unsigned char>(text[end]);
    const bool fits = end == 0 ? locale.IsIdentStart(byte) : locale.IsIdentChar(byte);
    if (!fits && byte != '_') break;
    end += locale.IsLeadByte(byte) && end + 1 < text.size() ? 2 : 1;
  }
  return end;
}

}  // namespace

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

void DefineTextMacro(Lexer& lexer) {
  const std::string line = lexer.ReadDirectiveText(true);
  const std::size_t nameEnd = NameLength(lexer, line);
  if (nameEnd == 0) FatalError("#define without a macro name");
  std::string_view text = std::string_view(line).substr(nameEnd);
  bool functionLike = false;
  if (!text.empty() && text[0] == '(') {
    // Parameters: the text begins after the parenthesis that closes them.
    const std::size_t close = text.find(')');
    if (close == std::string_view::npos) FatalError("#define without a ) after its parameters");
    text.remove_prefix(close + 1);
    functionLike = true;
  }
  while (!text.empty() && text[0] == ' ') text.remove_prefix(1);
  Macro* macro = lexer.macros().AddMacro(std::string_view(line).substr(0, nameEnd));
  macro->kind = kMacroText;
  macro->text = text;
  macro->functionLike = functionLike;
}

void UndefineMacro(Lexer& lexer) {
  const std::string line = lexer.ReadDirectiveText(false);
  const std::size_t nameEnd = NameLength(lexer, line);
  if (nameEnd == 0) FatalError("#undef without a macro name");
  lexer.macros().RemoveMacro(std::string_view(line).substr(0, nameEnd));
}

void DefineMacroText(Lexer& lexer, const char* name, const char* text) {
  Macro* macro = lexer.macros().AddMacro(name);
  macro->kind = kMacroText;
  macro->text = text;
}
