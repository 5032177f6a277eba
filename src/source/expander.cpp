// Macro expansion as C does it.
#include "source/expander.h"

#include <string>

#include "base/diagnostics.h"

namespace {

/// Macros replaced inside one another (the names of one hide set), and
/// arguments expanded inside one another: a deeper chain fails cleanly.
constexpr int kMaxNesting = 200;
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

/// Appends a piece of spelling: after a blank where white space stood, or
/// where the two would run together.
void AppendSpelled(std::string& text, std::string_view piece, bool spaced) {
  if (piece.empty()) return;
  if ((spaced && !text.empty()) || NeedsBlankBefore(text, piece)) text += ' ';
  text += piece;
}

bool FlattenInto(Definitions& macros, const MacroDefinition& macro, std::string& text,
                 std::vector<const MacroDefinition*>& open) {
  if (macro.functionLike || macro.builtin != MacroDefinition::Builtin::kNone ||
      open.size() >= static_cast<std::size_t>(kMaxNesting))
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
  if (pending_.empty()) return source_.Next(lookingForCall);
  const PpToken token = pending_.back();
  pending_.pop_back();
  return token;
}

PpToken Expander::Next() {
  for (;;) {
    const PpToken token = Pull(false);
    if (token.kind != PpKind::kIdentifier) return token;
    if (mode_ == Mode::kCondition) {
      if (token.text == "defined") return ReadDefined(token);
      if (token.text == "__has_include") return ReadHasInclude(token);
    }
    const MacroDefinition* macro = context_.macros.Find(token.text);
    if (macro == nullptr || context_.hideSets.Contains(token.hideSet, macro->id)) return token;
    if (macro->builtin == MacroDefinition::Builtin::kHasInclude) return token;
    if (macro->builtin != MacroDefinition::Builtin::kNone) return Builtin(token, *macro);
    // A use of a macro that the file's text holds begins.
    if (outermost_ && pending_.empty()) context_.producedInUse = 0;
    if (!macro->functionLike) {
      Replace(token, *macro, {}, context_.hideSets.Add(token.hideSet, macro->id), false);
      continue;
    }
    Arguments arguments;
    PpToken closing;
    bool variadicOmitted = false;
    if (!ReadCall(token, *macro, arguments, closing, variadicOmitted)) return token;
    // C's rule for a call: what the name and its closing parenthesis both
    // came from, and the macro itself.
    const uint32_t common = context_.hideSets.Intersection(token.hideSet, closing.hideSet);
    Replace(token, *macro, arguments, context_.hideSets.Add(common, macro->id), variadicOmitted);
  }
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
    if (next.kind != PpKind::kEnd) pending_.push_back(next);
    pending_.insert(pending_.end(), lineEnds.rbegin(), lineEnds.rend());
    return false;
  }

  // The arguments: split at the commas outside nested parentheses; the
  // variable ones of a variadic macro take the commas after the others.
  arguments.assign(1, {});
  const auto named = static_cast<std::size_t>(macro.parameterCount - (macro.variadic ? 1 : 0));
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
    arguments.back().push_back(token);
  }

  // F() holds one empty argument, which a macro without parameters takes
  // as none; the variable arguments may be left out entirely.
  const auto expected = static_cast<std::size_t>(macro.parameterCount);
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

void Expander::Replace(const PpToken& name, const MacroDefinition& macro, const Arguments& arguments,
                       uint32_t hideSet, bool variadicOmitted) {
  if (context_.hideSets.Size(hideSet) > static_cast<std::size_t>(kMaxNesting))
    FatalErrorOnLine(name.line, "Macros nested too deeply");
  const std::vector<PpToken>& body = macro.replacement;
  std::vector<PpToken> made;
  // Each argument expanded once, when a parameter first wants it so.
  std::vector<std::vector<PpToken>> expanded(arguments.size());
  std::vector<bool> isExpanded(arguments.size(), false);
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
      const int32_t right = macro.parameterOf[++i];
      std::vector<PpToken> operand;
      if (right >= 0) operand = arguments[static_cast<std::size_t>(right)];
      else operand.push_back(body[i]);
      // A comma written before the variable arguments, ##, as compilers
      // have it: it goes where the call leaves them out, and pastes nothing.
      const bool commaBeforeVariable = macro.variadic && right == macro.parameterCount - 1 &&
                                       macro.parameterOf[i - 2] < 0 && body[i - 2].IsPunctuator(",");
      if (commaBeforeVariable) {
        if (variadicOmitted && !made.empty()) made.pop_back();
        made.insert(made.end(), operand.begin(), operand.end());
        continue;
      }
      // An empty argument on the right: the left stays as it is.
      if (operand.empty()) continue;
      if (made.empty()) made.push_back(Made(token, PpKind::kPlacemarker, {}));
      PpToken& left = made.back();
      if (left.kind == PpKind::kPlacemarker) {
        const std::string_view leading = left.leading;
        left = operand.front();
        left.leading = leading;
      } else {
        left = Paste(left, operand.front());
      }
      made.insert(made.end(), operand.begin() + 1, operand.end());
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
      if (!isExpanded[p]) {
        NestingGuard level(context_.nesting, kMaxNesting, "Macros nested too deeply");
        expanded[p] = ExpandAll(context_, arguments[p], mode_, directive_);
        isExpanded[p] = true;
      }
      putIn(expanded[p], token.leading);
      continue;
    }
    made.push_back(token);
  }

  // The result, without placemarkers, is read again with what follows it;
  // it stands where the name stood.
  std::erase_if(made, [](const PpToken& token) { return token.kind == PpKind::kPlacemarker; });
  if (!made.empty()) made.front().leading = name.leading;
  for (PpToken& token : made) {
    token.hideSet = context_.hideSets.Union(token.hideSet, hideSet);
    token.startsLine = false;
    Produce(token.text.size() + 1, name.line);
  }
  pending_.insert(pending_.end(), made.rbegin(), made.rend());
}

PpToken Expander::Builtin(const PpToken& name, const MacroDefinition& macro) {
  if (macro.builtin == MacroDefinition::Builtin::kLine)
    return Made(name, PpKind::kNumber, context_.arena.Store(std::to_string(name.line)));
  return Made(name, PpKind::kString, context_.hooks.FileLiteral());
}

PpToken Expander::Stringize(const std::vector<PpToken>& argument, const PpToken& hash) {
  // The argument's spelling in quotes: one blank wherever white space stood
  // between its tokens, and a backslash before each " and \ of its strings
  // and character constants. A double-byte character is copied whole; where
  // its second byte is a backslash and a backslash follows it, that one is
  // doubled, since the string's reader takes a doubled one as the character's.
  std::string text = "\"";
  bool afterBackslashByte = false;
  // Backslashes at the end that stand outside quotes: an odd number would
  // escape the closing quote, so the last of them is left out, as C
  // preprocessors do.
  int strayBackslashes = 0;
  const auto put = [&](char c) {
    if (c == '\\' && afterBackslashByte) text += '\\';
    text += c;
    afterBackslashByte = false;
    strayBackslashes = 0;
  };
  for (std::size_t k = 0; k < argument.size(); ++k) {
    const PpToken& token = argument[k];
    if (k > 0 && !token.leading.empty()) put(' ');
    const bool quoted = token.kind == PpKind::kString || token.kind == PpKind::kCharacter ||
                        (token.kind == PpKind::kOther && (token.text[0] == '"' || token.text[0] == '\''));
    const std::string_view spelling = token.text;
    for (std::size_t j = 0; j < spelling.size();) {
      const char c = spelling[j];
      if (context_.scanner.IsLeadByte(static_cast<unsigned char>(c)) && j + 1 < spelling.size()) {
        put(c);
        const char second = spelling[j + 1];
        text += second;
        j += 2;
        if (second == '\\' && j < spelling.size() && spelling[j] == '\\' && token.kind == PpKind::kString) {
          text += '\\';
          ++j;
        } else {
          afterBackslashByte = second == '\\';
        }
        continue;
      }
      if (!quoted && c == '\\') {
        const int before = strayBackslashes;
        put(c);
        strayBackslashes = before + 1;
      } else {
        if (quoted && (c == '"' || c == '\\')) put('\\');
        put(c);
      }
      ++j;
    }
  }
  if (strayBackslashes % 2 != 0) text.pop_back();
  put('"');
  PpToken made = Made(hash, PpKind::kString, context_.arena.Store(text));
  return made;
}

PpToken Expander::Paste(const PpToken& left, const PpToken& right) {
  const std::string text = std::string(left.text) + std::string(right.text);
  const PpScanner::Scanned scanned = context_.scanner.Scan(text);
  // One token, the whole text: not a comment, nor a quote left open.
  if (scanned.piece != PpScanner::Piece::kToken || scanned.length != text.size() ||
      (scanned.kind == PpKind::kOther && text.size() > 1)) {
    FatalErrorOnLine(left.line, "Pasting %.*s and %.*s does not give one token", Length(left.text),
                     left.text.data(), Length(right.text), right.text.data());
  }
  PpToken made = Made(left, scanned.kind, context_.arena.Store(text));
  made.hideSet = context_.hideSets.Intersection(left.hideSet, right.hideSet);
  return made;
}

PpToken Expander::ReadDefined(const PpToken& name) {
  PpToken operand = Pull(false);
  const bool parenthesised = operand.IsPunctuator("(");
  if (parenthesised) operand = Pull(false);
  if (operand.kind != PpKind::kIdentifier || (parenthesised && !Pull(false).IsPunctuator(")")))
    FatalErrorFormatted("Malformed expression in #%s", directive_);
  return Made(name, PpKind::kNumber, context_.macros.Find(operand.text) ? "1" : "0");
}

PpToken Expander::ReadHasInclude(const PpToken& name) {
  const auto refuse = [] { FatalError("__has_include expects (\"file\") or (<file>)"); };
  if (!Pull(false).IsPunctuator("(")) refuse();
  std::vector<PpToken> operand;
  for (int depth = 0;;) {
    const PpToken token = Pull(false);
    if (token.kind == PpKind::kEnd) refuse();
    if (token.IsPunctuator(")")) {
      if (depth == 0) break;
      --depth;
    } else if (token.IsPunctuator("(")) {
      ++depth;
    }
    operand.push_back(token);
  }
  std::string file;
  bool angled = false;
  if (!HeaderName(operand, file, angled) &&
      !HeaderName(ExpandAll(context_, operand, Mode::kText), file, angled))
    refuse();
  return Made(name, PpKind::kNumber, context_.hooks.HasInclude(file, angled) ? "1" : "0");
}

PpToken Expander::Made(const PpToken& like, PpKind kind, std::string_view text) {
  PpToken made;
  made.text = text;
  made.leading = like.leading;
  made.line = like.line;
  made.kind = kind;
  made.hideSet = like.hideSet;
  return made;
}

void Expander::Produce(std::size_t bytes, int32_t line) {
  context_.producedInUse += bytes;
  context_.producedInRun += bytes;
  if (context_.producedInUse > kMaxBytesPerUse ||
      context_.producedInRun > kRunBytes + kRunBytesPerSourceByte * context_.sourceBytes)
    FatalErrorOnLine(line, "Macro expansion too large");
}

bool HeaderName(const std::vector<PpToken>& tokens, std::string& name, bool& angled) {
  if (tokens.empty()) return false;
  const PpToken& first = tokens.front();
  if (first.kind == PpKind::kString && first.text.front() == '"') {
    name = first.text.substr(1, first.text.size() - 2);
    angled = false;
    return true;
  }
  if (!first.IsPunctuator("<")) return false;
  // <name> made of tokens: their spellings, with the white space between them.
  name.clear();
  for (std::size_t k = 1; k < tokens.size(); ++k) {
    if (tokens[k].IsPunctuator(">")) {
      angled = true;
      return true;
    }
    if (k > 1) name += tokens[k].leading;
    name += tokens[k].text;
  }
  return false;
}
