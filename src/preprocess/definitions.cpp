// Preprocessing mode's macros: reading a #define into a definition.
#include "preprocess/definitions.h"

#include <string>

#include "base/diagnostics.h"

namespace {

/// Fails with a message about macro `name`.
[[noreturn]] void MacroFault(const char* format, std::string_view name) {
  FatalErrorFormatted(format, static_cast<int>(name.size()), name.data());
}

constexpr std::string_view kVariadicName = "__VA_ARGS__";

/// A macro's parameters, as its #define names them.
struct Parameters {
  std::vector<std::string_view> names;
  bool functionLike = false;
  bool variadic = false;
};

/// Reads the parameters of macro `name` from its #define's `line`, where a
/// ( touches the name: names separated by commas, the last of them perhaps
/// ... . Returns where the replacement begins.
std::size_t ReadParameters(const std::vector<PpToken>& line, std::string_view name, Parameters& parameters) {
  std::size_t next = 1;
  if (next >= line.size() || !line[next].IsPunctuator("(") || !line[next].leading.empty()) return next;
  parameters.functionLike = true;
  ++next;
  for (bool first = true;; first = false) {
    if (next == line.size()) FatalError("#define without a ) after its parameters");
    const PpToken& token = line[next++];
    if (first && token.IsPunctuator(")")) break;
    if (token.IsPunctuator("...")) {
      parameters.variadic = true;
    } else if (token.kind != PpKind::kIdentifier || token.text == kVariadicName) {
      MacroFault("Malformed parameter list of macro %.*s", name);
    } else {
      for (const std::string_view other : parameters.names)
        if (other == token.text) MacroFault("Malformed parameter list of macro %.*s", name);
    }
    parameters.names.push_back(parameters.variadic ? kVariadicName : token.text);
    if (next == line.size()) FatalError("#define without a ) after its parameters");
    const PpToken& after = line[next++];
    if (after.IsPunctuator(")")) break;
    if (parameters.variadic || !after.IsPunctuator(",")) MacroFault("Malformed parameter list of macro %.*s", name);
  }
  return next;
}

}  // namespace

void Definitions::Retire(std::string_view name) {
  ++generation_;
  if (std::shared_ptr<MacroDefinition>* old = table_.Find(name)) retired_.push_back(std::move(*old));
}

MacroDefinition& Definitions::Add(std::string_view name) {
  Retire(name);
  std::shared_ptr<MacroDefinition>& entry = table_.Add(name);
  entry = std::make_shared<MacroDefinition>();
  entry->id = nextId_++;
  return *entry;
}

void Definitions::DefineBuiltin(std::string_view name, MacroDefinition::Builtin builtin) {
  Add(name).builtin = builtin;
}

void Definitions::Undefine(std::string_view name) {
  Retire(name);
  table_.Remove(name);
}

void Definitions::Define(const std::vector<PpToken>& line) {
  if (line.empty() || line[0].kind != PpKind::kIdentifier) FatalError("#define without a macro name");
  const std::string_view name = line[0].text;
  Parameters parameters;
  const std::size_t next = ReadParameters(line, name, parameters);
  const bool functionLike = parameters.functionLike;
  const bool variadic = parameters.variadic;

  // The replacement: its tokens still point into the line here.
  const std::size_t first = next;
  std::vector<PpToken> replacement;
  std::vector<int32_t> parameterOf;
  for (std::size_t i = first; i < line.size(); ++i) {
    PpToken token = line[i];
    // White space inside the replacement counts only as being there.
    token.leading = i == first || token.leading.empty() ? std::string_view() : std::string_view(" ");
    token.hideSet = 0;
    token.startsLine = false;
    int32_t parameter = -1;
    if (token.kind == PpKind::kIdentifier) {
      for (std::size_t p = 0; p < parameters.names.size(); ++p)
        if (parameters.names[p] == token.text) parameter = static_cast<int32_t>(p);
    }
    replacement.push_back(token);
    parameterOf.push_back(parameter);
  }
  if (!replacement.empty() &&
      (replacement.front().IsHashHash() || replacement.back().IsHashHash()))
    MacroFault("## cannot stand at either end of macro %.*s", name);
  if (functionLike) {
    for (std::size_t i = 0; i < replacement.size(); ++i) {
      if (replacement[i].IsHash() && (i + 1 == replacement.size() || parameterOf[i + 1] < 0))
        MacroFault("# is not followed by a parameter in macro %.*s", name);
    }
  }

  // The spellings are copied into the definition, whose place never
  // changes; the name lives on as the table's key.
  std::string storage;
  for (const PpToken& token : replacement) storage += token.text;
  MacroDefinition& macro = Add(name);
  macro.storage = std::move(storage);
  std::size_t at = 0;
  for (PpToken& token : replacement) {
    token.text = std::string_view(macro.storage).substr(at, token.text.size());
    at += token.text.size();
  }
  macro.functionLike = functionLike;
  macro.variadic = variadic;
  macro.parameterCount = static_cast<int>(parameters.names.size());
  macro.replacement = std::move(replacement);
  macro.parameterOf = std::move(parameterOf);
}
