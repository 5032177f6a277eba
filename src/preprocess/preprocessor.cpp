// The preprocessor's stage: the lines it hands the lexer, as they stand or
// made from tokens, and the main file's tokens with its directives carried
// out.
#include "preprocess/preprocessor.h"

#include <cstring>

#include "base/diagnostics.h"

namespace {

/// The text of a -D or a predefined macro, read as its #define line.
std::vector<PpToken> TokensOf(std::string_view text, const PpScanner& scanner) {
  std::vector<PpToken> tokens;
  std::size_t gapStart = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const PpScanner::Scanned scanned = scanner.Scan(text.substr(pos));
    if (scanned.piece == PpScanner::Piece::kToken) {
      PpToken token;
      token.kind = scanned.kind;
      token.text = text.substr(pos, scanned.length);
      token.leading = text.substr(gapStart, pos - gapStart);
      tokens.push_back(token);
      gapStart = pos + scanned.length;
    }
    pos += scanned.length;
  }
  return tokens;
}

}  // namespace

bool IsMacroHead(std::string_view text) {
  const Locale english;
  const PpScanner scanner(english);
  const std::vector<PpToken> tokens = TokensOf(text, scanner);
  if (tokens.empty() || tokens[0].kind != PpKind::kIdentifier || tokens[0].text.size() != text.size()) {
    // NAME(PARAMETERS): the parenthesis touching the name, names or ...
    // between commas, and nothing after the closing parenthesis.
    if (tokens.size() < 3 || tokens[0].kind != PpKind::kIdentifier || !tokens[1].IsPunctuator("(") ||
        !tokens[1].leading.empty() || !tokens.back().IsPunctuator(")") || !tokens[0].leading.empty())
      return false;
    for (std::size_t i = 2; i + 1 < tokens.size(); ++i) {
      const bool wantName = i % 2 == 0;
      const bool isName = tokens[i].kind == PpKind::kIdentifier || tokens[i].IsPunctuator("...");
      if (wantName != isName || (!wantName && !tokens[i].IsPunctuator(","))) return false;
    }
    return tokens.size() == 3 || tokens.size() % 2 == 0;
  }
  return true;
}

Preprocessor::Preprocessor(const Locale& locale, platform::Disk& disk, const PreprocessorSetup& setup)
    : locale_(locale),
      scanner_(locale_),
      quickLook_(scanner_, locale_),
      disk_(disk),
      includeFolders_(setup.includeFolders),
      context_{macros_, hideSets_, arena_, scanner_, *this},
      expander_(context_, *this, Expander::Mode::kText, true) {
  macros_.DefineBuiltin("__LINE__", MacroDefinition::Builtin::kLine);
  macros_.DefineBuiltin("__FILE__", MacroDefinition::Builtin::kFile);
  macros_.DefineBuiltin("__has_include", MacroDefinition::Builtin::kHasInclude);
  macros_.DefineBuiltin("__has_include_next", MacroDefinition::Builtin::kHasIncludeNext);
  quickLook_.NoteMacroName("_");
  for (const PreprocessorSetup::MacroOption& option : setup.macros) {
    if (option.undefine) {
      macros_.Undefine(option.name);
      continue;
    }
    // -D NAME=TEXT means #define NAME TEXT.
    const std::string_view line = arena_.Store(option.name + " " + option.text);
    try {
      macros_.Define(TokensOf(line, scanner_));
      quickLook_.NoteMacroName(option.name);
    } catch (Failure& failure) {
      failure.NameFile("<command line>");
      failure.NameLine(0);
      throw;
    }
  }
  arena_.Clear();
}

void Preprocessor::StartFile(platform::InputFile* file, const std::string& path) {
  PushFile(nullptr, file, {}, path);
}

void Preprocessor::StartText(std::string_view text, const std::string& path) {
  PushFile(nullptr, nullptr, text, path);
}

bool Preprocessor::NextText(std::string_view& text, int32_t& line) {
  try {
    while (!ended_) {
      if (BetweenLines()) {
        // No token waits that points into what was read or made before.
        arena_.Clear();
        hideSets_.Clear();
        macros_.ReleaseRetired();
        if (TakeLinesAsTheyStand(text, line)) return true;
      }
      if (MakeLine(text, line)) return true;
    }
    return false;
  } catch (Failure& failure) {
    // A failure of the stage names the file and the line it was reading.
    failure.NameLine(line_);
    failure.NameFile(files_.back().path);
    throw;
  }
}

bool Preprocessor::BetweenLines() const {
  // (An included file is read whole within its directive.)
  return expander_.Idle() && !files_.back().inLine;
}

bool Preprocessor::TakeLinesAsTheyStand(std::string_view& text, int32_t& line) {
  OpenFile& file = files_.back();
  const std::string_view buffered = file.lines.Buffered();
  // A macro whose use needs no tokens is replaced here; any other stops
  // the lines before its own.
  const auto nameAction = [this](std::string_view name) {
    const MacroDefinition* macro = macros_.Find(name);
    if (macro == nullptr) return QuickLook::NameAction{QuickLook::NameAction::kLeave, {}};
    if (macro->flatAt != macros_.generation()) {
      macro->flattens = Expander::Flatten(macros_, *macro, macro->flat);
      macro->flatAt = macros_.generation();
    }
    if (!macro->flattens) return QuickLook::NameAction{QuickLook::NameAction::kStop, {}};
    return QuickLook::NameAction{QuickLook::NameAction::kReplace, macro->flat};
  };
  int32_t lines = 0;
  const std::size_t taken = quickLook_.TakeLines(buffered, nameAction, edits_, lines);
  if (lines == 0) return false;
  line = file.lines.line() + 1;
  if (edits_.empty()) {
    text = buffered.substr(0, taken);
  } else {
    // The lines with their comments and macros replaced, written into a
    // buffer that only grows: at most the lines, each edit's text and a
    // blank on either side of it.
    std::size_t most = taken;
    for (const QuickLook::Edit& edit : edits_) most += edit.text.size() + 2;
    if (edited_.size() < most) edited_.resize(most);
    char* const start = edited_.data();
    char* out = start;
    const auto put = [&out](std::string_view piece) {
      std::memcpy(out, piece.data(), piece.size());
      out += piece.size();
    };
    std::size_t from = 0;
    for (const QuickLook::Edit& edit : edits_) {
      put(buffered.substr(from, edit.start - from));
      // Text that touches what stands before or after it stays apart where
      // the lexer would read the two as one. (An edit ends before its line's
      // line feed.)
      if (NeedsBlankBefore(std::string_view(start, static_cast<std::size_t>(out - start)), edit.text)) *out++ = ' ';
      put(edit.text);
      if (NeedsBlankBefore(edit.text, buffered.substr(edit.end))) *out++ = ' ';
      from = edit.end;
    }
    put(buffered.substr(from, taken - from));
    text = std::string_view(start, static_cast<std::size_t>(out - start));
  }
  file.lines.Take(taken, lines);
  context_.sourceBytes += taken;
  return true;
}

bool Preprocessor::MakeLine(std::string_view& text, int32_t& line) {
  made_.clear();
  for (;;) {
    // A directive that begins the line ends it, and the lines after it are
    // looked at quickly again.
    const PpToken token =
        made_.empty() && BetweenLines() ? expander_.Take(ReadMainFile(false, true)) : expander_.Next();
    if (token.kind == PpKind::kEnd) {
      ended_ = true;
      break;
    }
    if (token.kind == PpKind::kNewline) break;
    if (made_.empty()) line = token.line;
    Append(token);
  }
  if (made_.empty()) return false;
  made_ += '\n';
  text = made_;
  return true;
}

void Preprocessor::Append(const PpToken& token) {
  made_ += token.leading;
  // A token that touches what is written stays apart where the lexer would
  // read the two as one.
  if (NeedsBlankBefore(made_, token.text)) made_ += ' ';
  made_ += token.text;
}

PpToken Preprocessor::ReadMainFile(bool lookingForCall, bool handBack) {
  for (;;) {
    PpToken token = ReadToken();
    if (token.startsLine && token.IsHash()) {
      // A directive's line ends the look for a call's (, as in C
      // preprocessors: the name before it stays a name. (The look is in the
      // main file: an included file is read whole within its directive.)
      if (lookingForCall) {
        UnreadLineStart(token);
        return PpToken{};
      }
      CarryOutDirective();
      if (handBack && files_.size() == 1) {
        PpToken lineEnd;
        lineEnd.kind = PpKind::kNewline;
        lineEnd.line = line_;
        return lineEnd;
      }
      continue;
    }
    if (token.kind == PpKind::kEnd) {
      CheckGroupsClosed();
      if (files_.size() == 1) return token;
      files_.pop_back();
      continue;
    }
    // An included file's text: only its directives count.
    if (files_.size() > 1) continue;
    return token;
  }
}

std::string_view Preprocessor::FileLiteral() {
  std::string literal = "\"";
  for (const char c : files_.back().path) {
    if (c == '"' || c == '\\') literal += '\\';
    literal += c;
  }
  literal += '"';
  return arena_.Store(literal);
}

bool Preprocessor::HasInclude(const std::string& name, bool angled, bool next) {
  std::string path;
  int folder = -1;
  return FindIncludeFile(name, angled, next, path, folder) != nullptr;
}
