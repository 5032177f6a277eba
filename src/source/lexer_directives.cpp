// Preprocessing mode's directives in the lexer, each carried out wherever it
// stands in the input (between statements, inside a property or string list,
// inside a skipped statement): the conditional groups, #define and #undef,
// #error and #warning, #include through the run; and the text of a
// directive's line.
#include <cstring>
#include <string>

#include "base/diagnostics.h"
#include "source/condition.h"
#include "source/lexer.h"

namespace {

/// Conditional groups open at once, in the main file and its includes.
constexpr std::size_t kMaxGroupNesting = 256;

/// Whether a #define's value that ends so goes on over the next line, as a
/// plain run reads it (an operator or an opening parenthesis wants more).
bool EndsInOperator(const std::string& text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last != std::string::npos && std::strchr("+-*/|<(", text[last]) != nullptr;
}

void Trim(std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(text.find_last_not_of(' ') + 1);
  text.erase(0, first);
}

}  // namespace

bool Lexer::CarryOutDirective() {
  if (readingMacroText_) return false;
  const Directive directive = directive_;
  switch (directive) {
    case Directive::kInclude:
      // An included file is read by a statement loop of its own, the run's;
      // inside a statement, the statement goes on afterwards as it was.
      {
        TokenKeeper keeper(*this);
        includeReader_->CarryOutInclude();
        keeper.Restore();
      }
      break;
    case Directive::kDefine:
      DefineTextMacro();
      break;
    case Directive::kUndef:
      UndefineMacro();
      break;
    case Directive::kError: {
      const std::string text = ReadDirectiveText(false);
      FatalError(text.empty() ? "#error" : text.c_str());
    }
    case Directive::kWarning:
      PrintStdout("Warning:%s\n", ReadDirectiveText(false).c_str());
      break;
    case Directive::kUnknown:
      // #pragma, #line and every other name, with their line.
      ReadDirectiveText(false);
      break;
    default:
      CarryOutConditional(directive);
      break;
  }
  // The next word is no directive's operand.
  token_.eClass = TOK_NONE;
  return true;
}

std::size_t Lexer::MacroNameLength(std::string_view text) const {
  std::size_t end = 0;
  while (end < text.size()) {
    const auto byte = static_cast<unsigned char>(text[end]);
    const bool fits = end == 0 ? locale_.IsIdentStart(byte) : locale_.IsIdentChar(byte);
    if (!fits && byte != '_') break;
    end += locale_.IsLeadByte(byte) && end + 1 < text.size() ? 2 : 1;
  }
  return end;
}

void Lexer::DefineTextMacro() {
  const std::string line = ReadDirectiveText(true);
  const std::size_t nameEnd = MacroNameLength(line);
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
  Macro* macro = macros_.AddMacro(std::string_view(line).substr(0, nameEnd));
  macro->kind = kMacroText;
  macro->text = text;
  macro->functionLike = functionLike;
}

void Lexer::UndefineMacro() {
  const std::string line = ReadDirectiveText(false);
  const std::size_t nameEnd = MacroNameLength(line);
  if (nameEnd == 0) FatalError("#undef without a macro name");
  macros_.RemoveMacro(std::string_view(line).substr(0, nameEnd));
}

void Lexer::CarryOutConditional(Directive directive) {
  const char* name = DirectiveName(directive);
  if (OpensGroup(directive)) {
    if (groups_.size() >= kMaxGroupNesting) FatalError("#if nesting too deep");
    groups_.push_back({token_.line, name, false});
    if (!ConditionHolds(directive)) SkipGroup(false);
  } else if (directive == Directive::kEndif) {
    CurrentGroup(name);
    ReadDirectiveText(false);
    groups_.pop_back();
  } else {
    // A group was taken: every later branch of it is passed over, and an
    // #elif's condition is not even read.
    Group& group = CurrentGroup(name);
    if (group.sawElse) FatalErrorFormatted("#%s after #else", name);
    group.sawElse = directive == Directive::kElse;
    ReadDirectiveText(false);
    SkipGroup(true);
  }
}

Lexer::Group& Lexer::CurrentGroup(const char* directive) {
  if (groups_.size() <= groupBase_) FatalErrorFormatted("#%s without #if", directive);
  return groups_.back();
}

void Lexer::CheckGroupsClosed() {
  if (readingMacroText_ || groups_.size() <= groupBase_) return;
  const Group& group = groups_.back();
  token_.line = group.line;
  FatalErrorFormatted("#%s without #endif", group.opener);
}

bool Lexer::ConditionHolds(Directive directive) {
  const std::string text = ReadDirectiveText(false);
  const char* name = DirectiveName(directive);
  if (directive == Directive::kIf || directive == Directive::kElif)
    return EvaluateCondition(text, macros_, name);
  // #ifdef and its kin: the first word names the macro.
  std::size_t end = 0;
  while (end < text.size() && (locale_.IsIdentChar(static_cast<unsigned char>(text[end])) ||
                               text[end] == '_'))
    ++end;
  if (end == 0) FatalErrorFormatted("#%s without a macro name", name);
  const bool defined = macros_.LookupMacro(std::string_view(text).substr(0, end)) != nullptr;
  const bool wantDefined = directive == Directive::kIfdef || directive == Directive::kElifdef;
  return defined == wantDefined;
}

void Lexer::SkipGroup(bool branchTaken) {
  int nested = 0;
  Directive directive = Directive::kUnknown;
  for (;;) {
    if (!FindSkippedDirective(directive)) CheckGroupsClosed();
    if (OpensGroup(directive)) {
      if (groups_.size() + static_cast<std::size_t>(nested) >= kMaxGroupNesting) {
        token_.line = source_.CurrentLine();
        FatalError("#if nesting too deep");
      }
      ++nested;
    } else if (nested > 0) {
      if (directive == Directive::kEndif) --nested;
    } else if (IsConditional(directive)) {
      // A directive of this group: it is read as a word would be.
      const char* name = DirectiveName(directive);
      token_.line = source_.CurrentLine();
      std::strcpy(identBuffer_, name);
      token_.name = identBuffer_;
      Group& group = groups_.back();
      if (directive == Directive::kEndif) {
        ReadDirectiveText(false);
        groups_.pop_back();
        return;
      }
      if (group.sawElse) FatalErrorFormatted("#%s after #else", name);
      if (directive == Directive::kElse) {
        group.sawElse = true;
        ReadDirectiveText(false);
        if (!branchTaken) return;
      } else if (branchTaken) {
        ReadDirectiveText(false);
      } else if (ConditionHolds(directive)) {
        return;
      }
      continue;
    }
    ReadDirectiveText(false);
  }
}

bool Lexer::FindSkippedDirective(Directive& directive) {
  for (;;) {
    const int byte = source_.GetCharacter();
    switch (byte) {
      case '\n':
        source_.AdvanceLine();
        break;
      case kEndOfInput:
        source_.UngetCharacter();
        return false;
      case '/': {
        const int next = source_.GetCharacter();
        if (next == '*') SkipBlockComment();
        else if (next == '/') SkipLineComment();
        else source_.UngetCharacter();
        break;
      }
      case '"':
        SkipStringLiteral();
        break;
      case '\'':
        SkipCharacterLiteral();
        break;
      case '#': {
        int c = source_.GetCharacter();
        while (c == ' ' || c == '\t') c = source_.GetCharacter();
        char name[kIdentMax + 1];
        std::size_t length = 0;
        while ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_') {
          if (length < kIdentMax) name[length++] = static_cast<char>(c);
          c = source_.GetCharacter();
        }
        source_.UngetCharacter();
        directive = LookupDirective({name, length});
        return true;
      }
      default:
        if (locale_.IsLeadByte(byte)) source_.GetCharacter();
        break;
    }
  }
}

void Lexer::SkipStringLiteral() {
  // As GetString reads one, storing nothing: to the closing quote or 256
  // bytes, a backslash taking the byte after it, a double-byte character
  // whole, line feeds not counted.
  for (int stored = 0;;) {
    int byte = source_.GetCharacter();
    if (byte == '"') return;
    if (stored >= kStringMax) {
      source_.UngetCharacter();
      return;
    }
    byte = locale_.StringByte(static_cast<unsigned char>(byte));
    ++stored;
    if (byte == '\\') {
      source_.GetCharacter();
      ++stored;
    } else if (locale_.IsLeadByte(byte)) {
      ++stored;
      if (source_.GetCharacter() == '\\' && source_.GetCharacter() != '\\') source_.UngetCharacter();
    }
  }
}

void Lexer::SkipCharacterLiteral() {
  // As GetLiteral reads one: to the closing quote or the end of input.
  for (;;) {
    const int byte = source_.GetCharacter();
    if (byte == '\'') return;
    if (byte == kEndOfInput) {
      source_.UngetCharacter();
      return;
    }
    if (byte == '\n') source_.AdvanceLine();
    if (locale_.IsLeadByte(byte)) source_.GetCharacter();
  }
}

std::string Lexer::ReadDirectiveText(bool joinAfterOperator) {
  std::string text;
  for (;;) {
    int byte = source_.GetCharacter();
    if (byte == kEndOfInput) {
      source_.UngetCharacter();
      break;
    }
    if (byte == '\n') {
      source_.AdvanceLine();
      if (joinAfterOperator && EndsInOperator(text)) continue;
      break;
    }
    if (byte == '\\' || byte == '/') {
      const int next = source_.GetCharacter();
      if (byte == '\\' && next == '\n') {
        // A line joined to the next: C takes both bytes out.
        source_.AdvanceLine();
        continue;
      }
      if (byte == '/' && next == '*') {
        SkipBlockComment();
        text += ' ';
        continue;
      }
      if (byte == '/' && next == '/') {
        // The comment takes the line end with it.
        SkipLineComment();
        if (joinAfterOperator && EndsInOperator(text)) continue;
        break;
      }
      source_.UngetCharacter();
    }
    if (byte == '"' || byte == '\'') {
      // Quoted text as it stands, to its closing quote or the line end.
      text += static_cast<char>(byte);
      for (bool closed = false; !closed;) {
        const int c = source_.GetCharacter();
        if (c == '\n' || c == kEndOfInput) {
          source_.UngetCharacter();
          break;
        }
        text += static_cast<char>(c);
        closed = c == byte;
        if (c == '\\' || locale_.IsLeadByte(c)) {
          // An escape or a double-byte character: the byte after it is kept.
          // A backslash before the line end joins the lines, as everywhere.
          const int second = source_.GetCharacter();
          if (c == '\\' && second == '\n') {
            source_.AdvanceLine();
            text.pop_back();
            continue;
          }
          if (second == '\n' || second == kEndOfInput) {
            source_.UngetCharacter();
            break;
          }
          text += static_cast<char>(second);
        }
      }
      continue;
    }
    if (locale_.IsLeadByte(byte)) {
      text += static_cast<char>(byte);
      byte = source_.GetCharacter();
      if (byte == '\n' || byte == kEndOfInput) {
        source_.UngetCharacter();
        continue;
      }
    }
    const bool blank = byte == '\t' || byte == '\r' || byte == '\f' || byte == '\v';
    text += blank ? ' ' : static_cast<char>(byte);
  }
  Trim(text);
  return text;
}
