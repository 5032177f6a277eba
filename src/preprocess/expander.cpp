// Macro expansion as C does it.
#include "preprocess/expander.h"

#include <string>

#include "base/diagnostics.h"

namespace {

/// Macros flattened inside one another: a deeper chain is expanded token
/// by token instead (and the flattening's depth on the stack stays small).
constexpr std::size_t kMostFlatNesting = 200;
/// The names the hide sets of the text one line makes hold between them
/// (each set is kept once, as a list of names): a chain of thousands of
/// macros replaced inside one another fails here, its memory bounded.
constexpr std::size_t kMostHiddenNames = std::size_t{8} << 20;
/// Bytes of text one use of a macro in the file may make, and the whole run
/// (4 MiB, and 32 bytes more for each byte of the files read): a macro whose
/// text doubles at every level fails quickly, with its memory bounded,
/// instead of running out of either, and so does a file of many uses of one.
constexpr std::size_t kMaxBytesPerUse = std::size_t{1} << 20;
constexpr std::size_t kRunBytes = std::size_t{4} << 20;
constexpr std::size_t kRunBytesPerSourceByte = 32;
/// A macro whose text becomes longer is expanded token by token, within
/// the bounds above.
constexpr std::size_t kMostFlatBytes = 1024;

int Length(std::string_view text) { return static_cast<int>(text.size()); }

/// The parameters of `macro` that take one argument each: all of them but
/// a variadic macro's last, which takes the variable arguments.
std::size_t NamedParameters(const MacroDefinition& macro) {
  return static_cast<std::size_t>(macro.parameterCount - (macro.variadic ? 1 : 0));
}

/// Appends a piece of spelling: after a blank where white space stood, or
/// where the two would run together.
void AppendSpelled(std::string& text, std::string_view piece, bool spaced) {
  if (piece.empty()) return;
  if ((spaced && !text.empty()) || NeedsBlankBefore(text, piece)) text += ' ';
  text += piece;
}

bool FlattenInto(Definitions& macros, const MacroDefinition& macro, std::string& text,
                 std::vector<const MacroDefinition*>& open) {
  if (macro.functionLike || macro.builtin != MacroDefinition::Builtin::kNone || open.size() >= kMostFlatNesting)
    return false;
  for (const MacroDefinition* outer : open)
    if (outer == &macro) return false;
  open.push_back(&macro);
  for (const PpToken& token : macro.replacement) {
    const bool spaced = &token != &macro.replacement.front() && !token.leading.empty();
    const MacroDefinition* inner =
        token.kind == PpKind::kIdentifier ? macros.Find(token.text) : nullptr;
    if (token.IsHashHash()) return false;
    if (inner == nullptr) {
      AppendSpelled(text, token.text, spaced);
      continue;
    }
    std::string innerText;
    if (!FlattenInto(macros, *inner, innerText, open)) return false;
    AppendSpelled(text, innerText, spaced);
    if (text.size() > kMostFlatBytes) return false;
  }
  open.pop_back();
  return true;
}

}  // namespace

bool Expander::Flatten(Definitions& macros, const MacroDefinition& macro, std::string& text) {
  std::vector<const MacroDefinition*> open;
  text.clear();
  return FlattenInto(macros, macro, text, open);
}

std::vector<PpToken> Expander::ExpandAll(ExpansionContext& context, const std::vector<PpToken>& tokens,
                                         Mode mode, const char* directive) {
  TokenList source(tokens);
  Expander expander(context, source, mode, false, directive);
  std::vector<PpToken> expanded;
  for (PpToken token = expander.Next(); token.kind != PpKind::kEnd; token = expander.Next())
    expanded.push_back(token);
  return expanded;
}

PpToken Expander::Pull(bool lookingForCall) {
  std::vector<PpToken>& waiting = Waiting();
  if (!waiting.empty()) {
    const PpToken token = waiting.back();
    waiting.pop_back();
    return token;
  }
  if (calls_.empty()) return source_.Next(lookingForCall);
  Call& call = calls_.back();
  const std::vector<PpToken>& argument = call.arguments[call.wanted[call.next]];
  return call.read < argument.size() ? argument[call.read++] : PpToken{};
}

PpToken Expander::Take(PpToken token) {
  for (;; token = Pull(false)) {
    if (token.kind == PpKind::kEnd && !calls_.empty()) {
      ArgumentExpanded();
      continue;
    }
    if (BeginReplacement(token)) continue;
    if (calls_.empty()) return token;
    Call& call = calls_.back();
    call.expanded[call.wanted[call.next]].push_back(token);
  }
}

bool Expander::BeginReplacement(PpToken& token) {
  if (token.kind != PpKind::kIdentifier) return false;
  if (mode_ == Mode::kCondition) {
    if (token.text == "defined") {
      token = ReadDefined(token);
      return false;
    }
    if (token.text == "__has_include" || token.text == "__has_include_next") {
      token = ReadHasInclude(token);
      return false;
    }
  }
  const MacroDefinition* macro = context_.macros.Find(token.text);
  if (macro == nullptr || context_.hideSets.Contains(token.hideSet, macro->id) ||
      macro->builtin == MacroDefinition::Builtin::kHasInclude ||
      macro->builtin == MacroDefinition::Builtin::kHasIncludeNext)
    return false;
  if (macro->builtin != MacroDefinition::Builtin::kNone) {
    token = Builtin(token, *macro);
    return false;
  }
  // A use of a macro that the file's text holds begins.
  if (outermost_ && Idle()) context_.producedInUse = 0;
  Call call;
  call.name = token;
  call.macro = macro;
  if (!macro->functionLike) {
    call.hideSet = context_.hideSets.Add(token.hideSet, macro->id);
  } else {
    PpToken closing;
    if (!ReadCall(token, *macro, call.arguments, closing, call.variadicOmitted)) return false;
    // C's rule for a call: what the name and its closing parenthesis both
    // came from, and the macro itself.
    const uint32_t common = context_.hideSets.Intersection(token.hideSet, closing.hideSet);
    call.hideSet = context_.hideSets.Add(common, macro->id);
  }
  // The arguments a parameter wants expanded: not those beside # or ##.
  const std::vector<PpToken>& body = macro->replacement;
  std::vector<bool> wanted(call.arguments.size(), false);
  for (std::size_t i = 0; i < body.size(); ++i) {
    if ((macro->functionLike && body[i].IsHash()) || body[i].IsHashHash()) {
      ++i;
      continue;
    }
    const int32_t parameter = macro->parameterOf[i];
    if (parameter < 0 || (i + 1 < body.size() && body[i + 1].IsHashHash())) continue;
    const auto p = static_cast<std::size_t>(parameter);
    if (!wanted[p]) call.wanted.push_back(p);
    wanted[p] = true;
  }
  if (call.wanted.empty()) {
    Replace(call);
  } else {
    call.expanded.resize(call.arguments.size());
    calls_.push_back(std::move(call));
  }
  return true;
}

void Expander::ArgumentExpanded() {
  Call& call = calls_.back();
  call.read = 0;
  if (++call.next < call.wanted.size()) return;
  Call done = std::move(call);
  calls_.pop_back();
  Replace(done);
}

bool Expander::ReadCall(const PpToken& name, const MacroDefinition& macro, Arguments& arguments,
                        PpToken& closing, bool& variadicOmitted) {
  // The ( may stand on a later line; without it the name stays a name.
  std::vector<PpToken> lineEnds;
  PpToken next = Pull(true);
  while (next.kind == PpKind::kNewline) {
    lineEnds.push_back(next);
    next = Pull(true);
  }
  if (!next.IsPunctuator("(")) {
    std::vector<PpToken>& waiting = Waiting();
    if (next.kind != PpKind::kEnd) waiting.push_back(next);
    waiting.insert(waiting.end(), lineEnds.rbegin(), lineEnds.rend());
    return false;
  }

  ReadArguments(name, macro, arguments, closing);

  // F() holds one empty argument, which a macro without parameters takes
  // as none; the variable arguments may be left out entirely.
  const auto expected = static_cast<std::size_t>(macro.parameterCount);
  const std::size_t named = NamedParameters(macro);
  if (expected == 0 && arguments.size() == 1 && arguments[0].empty()) arguments.clear();
  variadicOmitted = macro.variadic && arguments.size() == named;
  if (variadicOmitted) arguments.emplace_back();
  if (arguments.size() != expected) {
    FatalErrorOnLine(name.line, "Macro %.*s takes %d argument%s, not %d", Length(name.text),
                     name.text.data(), macro.parameterCount, expected == 1 ? "" : "s",
                     static_cast<int>(arguments.size()));
  }
  return true;
}

void Expander::ReadArguments(const PpToken& name, const MacroDefinition& macro, Arguments& arguments,
                             PpToken& closing) {
  // Split at the commas outside nested parentheses; the variable ones of a
  // variadic macro take the commas after the others.
  arguments.assign(1, {});
  const std::size_t named = NamedParameters(macro);
  int depth = 0;
  bool afterLineEnd = false;
  for (;;) {
    PpToken token = Pull(false);
    if (token.kind == PpKind::kEnd) {
      FatalErrorOnLine(name.line, "Unterminated argument list of macro %.*s", Length(name.text),
                       name.text.data());
    }
    if (token.kind == PpKind::kNewline) {
      afterLineEnd = true;
      continue;
    }
    // A line end inside the call is white space.
    if (afterLineEnd) token.leading = " ";
    afterLineEnd = false;
    if (token.IsPunctuator("(")) {
      ++depth;
    } else if (token.IsPunctuator(")")) {
      if (depth == 0) {
        closing = token;
        break;
      }
      --depth;
    } else if (token.IsPunctuator(",") && depth == 0 &&
               !(macro.variadic && arguments.size() > named)) {
      arguments.emplace_back();
      continue;
    }
    // Inside an argument, the call's tokens are read a second time.
    if (!calls_.empty()) CountCopied(token.text.size() + 1, name.line);
    arguments.back().push_back(token);
  }
}

void Expander::Replace(Call& call) {
  const PpToken& name = call.name;
  const MacroDefinition& macro = *call.macro;
  const Arguments& arguments = call.arguments;
  const std::vector<PpToken>& body = macro.replacement;
  std::vector<PpToken> made;
  const auto putIn = [&made](const std::vector<PpToken>& tokens, std::string_view leading) {
    for (std::size_t k = 0; k < tokens.size(); ++k) {
      made.push_back(tokens[k]);
      if (k == 0) made.back().leading = leading;
    }
  };

  for (std::size_t i = 0; i < body.size(); ++i) {
    PpToken token = body[i];
    token.line = name.line;
    const int32_t parameter = macro.parameterOf[i];
    if (macro.functionLike && token.IsHash()) {
      // Checked when defined: a parameter follows.
      made.push_back(Stringize(arguments[static_cast<std::size_t>(macro.parameterOf[++i])], token));
      continue;
    }
    if (token.IsHashHash()) {
      // Checked when defined: an operand stands on either side.
      PasteRight(call, token, i, made);
      continue;
    }
    if (parameter >= 0) {
      const auto p = static_cast<std::size_t>(parameter);
      if (i + 1 < body.size() && body[i + 1].IsHashHash()) {
        // The left operand of ##, as written.
        if (arguments[p].empty()) made.push_back(Made(token, PpKind::kPlacemarker, {}));
        else putIn(arguments[p], token.leading);
        continue;
      }
      putIn(call.expanded[p], token.leading);
      continue;
    }
    made.push_back(token);
  }

  // The result, without placemarkers, is read again with what follows it;
  // it stands where the name stood.
  std::erase_if(made, [](const PpToken& token) { return token.kind == PpKind::kPlacemarker; });
  if (!made.empty()) made.front().leading = name.leading;
  for (PpToken& token : made) {
    token.hideSet = context_.hideSets.Union(token.hideSet, call.hideSet);
    token.startsLine = false;
    Produce(token.text.size() + 1, name.line);
  }
  if (context_.hideSets.NamesHeld() > kMostHiddenNames) FatalErrorOnLine(name.line, "Macro expansion too large");
  std::vector<PpToken>& waiting = Waiting();
  waiting.insert(waiting.end(), made.rbegin(), made.rend());
}

void Expander::PasteRight(const Call& call, const PpToken& hashHash, std::size_t& i, std::vector<PpToken>& made) {
  const MacroDefinition& macro = *call.macro;
  const Arguments& arguments = call.arguments;
  const std::vector<PpToken>& body = macro.replacement;
  const int32_t right = macro.parameterOf[++i];
  std::vector<PpToken> operand;
  if (right >= 0) operand = arguments[static_cast<std::size_t>(right)];
  else operand.push_back(body[i]);
  // A comma written before the variable arguments, ##, as compilers
  // have it: it goes where the call leaves them out, and pastes nothing.
  const bool commaBeforeVariable = macro.variadic && right == macro.parameterCount - 1 &&
                                   macro.parameterOf[i - 2] < 0 && body[i - 2].IsPunctuator(",");
  if (commaBeforeVariable) {
    if (call.variadicOmitted && !made.empty()) made.pop_back();
    made.insert(made.end(), operand.begin(), operand.end());
    return;
  }
  // An empty argument on the right: the left stays as it is.
  if (operand.empty()) return;
  if (made.empty()) made.push_back(Made(hashHash, PpKind::kPlacemarker, {}));
  PpToken& left = made.back();
  if (left.kind == PpKind::kPlacemarker) {
    const std::string_view leading = left.leading;
    left = operand.front();
    left.leading = leading;
  } else {
    left = Paste(left, operand.front());
  }
  made.insert(made.end(), operand.begin() + 1, operand.end());
}

void Expander::Produce(std::size_t bytes, int32_t line) {
  context_.producedInUse += bytes;
  if (context_.producedInUse > kMaxBytesPerUse) FatalErrorOnLine(line, "Macro expansion too large");
  CountCopied(bytes, line);
}

void Expander::CountCopied(std::size_t bytes, int32_t line) {
  context_.producedInRun += bytes;
  if (context_.producedInRun > kRunBytes + kRunBytesPerSourceByte * context_.sourceBytes)
    FatalErrorOnLine(line, "Macro expansion too large");
}
