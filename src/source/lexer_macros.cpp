// Macro replacement: a word that names a macro becomes the macro's number or
// string. A plain run's macros hold their value from their #define; in
// preprocessing mode a macro holds its text, which is read where the macro
// is used, by the reading of a plain #define's value, so a value comes out
// as a plain run gives it.
#include <cstring>
#include <string>

#include "base/diagnostics.h"
#include "source/expression.h"
#include "source/lexer.h"

namespace {

/// Macro texts that may be read inside one another at once.
constexpr int kMaxMacroNesting = 200;

}  // namespace

MacroValue Lexer::ValueOfMacro(Macro& macro) {
  if (macro.kind == kMacroText) return ReadMacroText(macro);
  return {macro.kind, macro.numValue, &macro.stringValue};
}

void Lexer::ReplaceMacro(Macro& macro) {
  const MacroValue value = ValueOfMacro(macro);
  if (value.kind == kMacroString) {
    // The text goes where the latest string lives; the format result holds less.
    const std::size_t room = token_.text == formatResult_ ? kFormatResultSize : sizeof stringBuffer_;
    if (!token_.text) token_.text = stringBuffer_;
    std::strncpy(token_.text, value.text->c_str(), room - 1);
    token_.text[room - 1] = '\0';
    token_.eClass = TOK_STRING;
  } else {
    token_.value = value.number;
    token_.eClass = TOK_NUMBER;
  }
}

bool Lexer::FindMacroValue(std::string_view name, MacroValue& value) {
  Macro* macro = macros_.LookupMacro(name);
  if (macro == nullptr) return false;
  value = ValueOfMacro(*macro);
  return true;
}

MacroValue Lexer::ReadMacroText(Macro& macro) {
  // Inside its own text a macro stands for itself, as a plain #define's
  // value sees the macro it defines: without a value.
  if (macro.expanding) return MacroValue{};
  if (macro.functionLike) {
    // The word just read is the macro's name.
    FatalErrorFormatted("Macro %s takes arguments, which a resource statement does not expand",
                        token_.name);
  }
  // A text read at the outermost level means the same until the table
  // changes; inside another macro's text it may not (that macro stands for
  // itself there), so it is read again.
  const bool outermost = macroNesting_ == 0;
  if (outermost && macro.readAt == macros_.generation())
    return {macro.readKind, macro.numValue, &macro.stringValue};
  NestingGuard level(macroNesting_, kMaxMacroNesting, "Macros nested too deeply");

  // The text becomes the source for a moment; whatever the Token and its
  // buffers held is theirs again afterwards, as if one word had been read
  // (after a failure they are left as they were, for the report's line).
  TokenKeeper keeper(*this);
  // Also when a failure unwinds: the macro stands for its text again.
  struct Restore {
    Macro& macro;
    bool& readingMacroText;
    bool saved;
    ~Restore() {
      macro.expanding = false;
      readingMacroText = saved;
    }
  } restore{macro, readingMacroText_, readingMacroText_};
  macro.expanding = true;
  readingMacroText_ = true;

  MacroValue value;
  std::string stringValue;
  {
    // Every word of the text counts as on the line of the use, the line the
    // Token holds: the value is read to the text's end, and a failure there
    // reports that line. (No directive is carried out in the text, so the
    // macro and its text stay as they are while it is read.)
    SourceReader reader(macro.text);
    reader.StartAtLine(token_.line);
    IncludedSource source(*this, reader);
    GetToken();
    if (token_.eClass == TOK_EOF) {
      value.kind = kMacroNone;
    } else if (token_.eClass == TOK_STRING) {
      value.kind = kMacroString;
      stringValue = token_.text;
    } else {
      value.kind = kMacroNumber;
      value.number = CutToSigned16(EvaluateMacroValue(*this));
    }
  }
  keeper.Restore();

  macro.numValue = value.number;
  macro.stringValue = std::move(stringValue);
  macro.readKind = value.kind;
  macro.readAt = outermost ? macros_.generation() : 0;
  return {value.kind, value.number, &macro.stringValue};
}
