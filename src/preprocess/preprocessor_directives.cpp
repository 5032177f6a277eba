// The preprocessor's directives, carried out where they stand: #define and
// #undef, #include, #include_next and #import, the conditional groups,
// #error and #warning, #pragma once. #line, #ident and other #pragmas are
// passed over with their line; any other name is refused.
#include <string>

#include "base/diagnostics.h"
#include "preprocess/condition.h"
#include "preprocess/directives.h"
#include "preprocess/preprocessor.h"

namespace {

/// Conditional groups open at once, in the main file and its includes.
constexpr std::size_t kMaxGroupNesting = 256;
/// Included files that may be open below the main file at once; an include
/// chain that leads back to itself ends here.
constexpr std::size_t kMaxIncludeDepth = 32;

}  // namespace

void Preprocessor::CarryOutDirective() {
  const PpToken name = ReadToken();
  // A # alone on its line is a directive that does nothing.
  if (name.kind == PpKind::kNewline) return;
  const std::vector<PpToken> tokens = ReadRestOfLine();
  line_ = name.line;
  Directive directive = name.kind == PpKind::kIdentifier ? LookupDirective(name.text) : Directive::kUnknown;
  // # 12 "file", as preprocessors write a #line, is one.
  if (name.kind == PpKind::kNumber) directive = Directive::kLine;
  if (IsConditional(directive)) return CarryOutConditional(directive, tokens);
  switch (directive) {
    case Directive::kDefine:
      macros_.Define(tokens);
      quickLook_.NoteMacroName(tokens[0].text);
      break;
    case Directive::kUndef:
      if (tokens.empty() || tokens[0].kind != PpKind::kIdentifier) FatalError("#undef without a macro name");
      macros_.Undefine(tokens[0].text);
      break;
    case Directive::kInclude:
    case Directive::kIncludeNext:
    case Directive::kImport:
      Include(directive, tokens);
      break;
    case Directive::kError: {
      const std::string text = DirectiveText(tokens);
      FatalError(text.empty() ? "#error" : text.c_str());
    }
    case Directive::kWarning: {
      const std::string text = DirectiveText(tokens);
      PrintWarning(files_.back().path.c_str(), static_cast<long>(line_),
                   text.empty() ? "#warning" : text.c_str());
      break;
    }
    case Directive::kPragma:
      if (!tokens.empty() && tokens[0].kind == PpKind::kIdentifier && tokens[0].text == "once")
        onceFiles_.push_back(files_.back().path);
      break;
    case Directive::kLine:
    case Directive::kIdent:
      // Passed over: #line changes neither __LINE__ nor the reports.
      break;
    default:
      FatalErrorFormatted("unknown directive '#%.*s'", static_cast<int>(name.text.size()), name.text.data());
  }
}

void Preprocessor::CarryOutConditional(Directive directive, const std::vector<PpToken>& tokens) {
  const char* directiveName = DirectiveName(directive);
  switch (directive) {
    case Directive::kIf:
    case Directive::kIfdef:
    case Directive::kIfndef:
      if (groups_.size() >= kMaxGroupNesting) FatalError("#if nesting too deep");
      groups_.push_back({line_, directiveName, false});
      if (!ConditionHolds(directive, tokens)) SkipGroup(false);
      break;
    case Directive::kEndif:
      CurrentGroup(directiveName);
      groups_.pop_back();
      break;
    default: {
      // #elif, #else and their kin: a branch was taken, so every later one
      // is passed over, and an #elif's condition is not even read.
      Group& group = CurrentGroup(directiveName);
      if (group.sawElse) FatalErrorFormatted("#%s after #else", directiveName);
      group.sawElse = directive == Directive::kElse;
      SkipGroup(true);
      break;
    }
  }
}

std::string Preprocessor::DirectiveText(const std::vector<PpToken>& tokens) {
  std::string text;
  for (const PpToken& token : tokens) {
    if (!text.empty()) text += token.leading;
    text += token.text;
  }
  return text;
}

void Preprocessor::Include(Directive directive, const std::vector<PpToken>& tokens) {
  std::string name;
  bool angled = false;
  const std::string_view line = files_.back().text;
  const auto inLine = [line](std::string_view text) {
    return text.data() >= line.data() && text.data() + text.size() <= line.data() + line.size();
  };
  if (!tokens.empty() && tokens[0].IsPunctuator("<") && inLine(tokens[0].text)) {
    // <file> as written, up to the first >, whatever it holds.
    const std::size_t start = static_cast<std::size_t>(tokens[0].text.data() - line.data()) + 1;
    const std::size_t close = line.find('>', start);
    if (close == std::string_view::npos) FatalError("#include expects \"file\" or <file>");
    name = line.substr(start, close - start);
    angled = true;
  } else if (!HeaderName(tokens, name, angled)) {
    // Macros that become "file" or <file>.
    context_.producedInUse = 0;
    if (!HeaderName(Expander::ExpandAll(context_, tokens, Expander::Mode::kText), name, angled))
      FatalError("#include expects \"file\" or <file>");
  }
  std::string path;
  int folder = -1;
  std::unique_ptr<platform::InputFile> file =
      FindIncludeFile(name, angled, directive == Directive::kIncludeNext, path, folder);
  if (file == nullptr) FatalErrorFormatted("Unable to open include file \"%s\"", name.c_str());
  const auto among = [&](const std::vector<std::string>& paths) {
    for (const std::string& read : paths)
      if (disk_.AreSameFile(path.c_str(), read.c_str())) return true;
    return false;
  };
  if (among(onceFiles_)) return;
  // #import reads a file once: not when read before, nor ever again.
  if (directive == Directive::kImport) {
    if (among(includedFiles_)) return;
    onceFiles_.push_back(path);
  }
  if (files_.size() > kMaxIncludeDepth) FatalError("Include nesting too deep");
  includedFiles_.push_back(path);
  platform::InputFile* input = file.get();
  PushFile(std::move(file), input, {}, path, folder);
}

bool Preprocessor::ConditionHolds(Directive directive, const std::vector<PpToken>& tokens) {
  const char* name = DirectiveName(directive);
  if (directive == Directive::kIf || directive == Directive::kElif) {
    context_.producedInUse = 0;
    return EvaluateCondition(Expander::ExpandAll(context_, tokens, Expander::Mode::kCondition, name), name);
  }
  // #ifdef and its kin: the first word names the macro.
  if (tokens.empty() || tokens[0].kind != PpKind::kIdentifier)
    FatalErrorFormatted("#%s without a macro name", name);
  const bool defined = macros_.Find(tokens[0].text) != nullptr;
  const bool wantDefined = directive == Directive::kIfdef || directive == Directive::kElifdef;
  return defined == wantDefined;
}

Preprocessor::Group& Preprocessor::CurrentGroup(const char* directive) {
  if (groups_.size() <= files_.back().groupBase) FatalErrorFormatted("#%s without #if", directive);
  return groups_.back();
}

void Preprocessor::CheckGroupsClosed() {
  if (groups_.size() <= files_.back().groupBase) return;
  const Group& group = groups_.back();
  FatalErrorOnLine(group.line, "#%s without #endif", group.opener);
}

void Preprocessor::SkipGroup(bool branchTaken) {
  int nested = 0;
  for (;;) {
    const PpToken token = ReadToken();
    if (token.kind == PpKind::kEnd) CheckGroupsClosed();
    if (!token.startsLine || !token.IsHash()) continue;
    const PpToken name = ReadToken();
    if (name.kind != PpKind::kIdentifier) {
      if (name.kind != PpKind::kNewline) ReadRestOfLine();
      continue;
    }
    line_ = name.line;
    const Directive directive = LookupDirective(name.text);
    if (OpensGroup(directive)) {
      if (groups_.size() + static_cast<std::size_t>(nested) >= kMaxGroupNesting)
        FatalError("#if nesting too deep");
      ++nested;
      ReadRestOfLine();
      continue;
    }
    if (nested > 0 || !IsConditional(directive)) {
      if (directive == Directive::kEndif) --nested;
      ReadRestOfLine();
      continue;
    }
    // A directive of this group.
    const char* directiveName = DirectiveName(directive);
    Group& group = groups_.back();
    if (directive == Directive::kEndif) {
      ReadRestOfLine();
      groups_.pop_back();
      return;
    }
    if (group.sawElse) FatalErrorFormatted("#%s after #else", directiveName);
    if (directive == Directive::kElse) {
      group.sawElse = true;
      ReadRestOfLine();
      if (!branchTaken) return;
      continue;
    }
    const std::vector<PpToken> condition = ReadRestOfLine();
    if (!branchTaken && ConditionHolds(directive, condition)) return;
  }
}
