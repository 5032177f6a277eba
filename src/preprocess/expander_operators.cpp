// What the operators of macro expansion make: # a string, ## one token,
// defined and __has_include a 1 or a 0; and __LINE__ and __FILE__.
#include <string>

#include "base/diagnostics.h"
#include "preprocess/expander.h"

namespace {

int Length(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

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
  const auto refuse = [&name] {
    FatalErrorFormatted("%.*s expects (\"file\") or (<file>)", Length(name.text), name.text.data());
  };
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
  const bool next = name.text == "__has_include_next";
  return Made(name, PpKind::kNumber, context_.hooks.HasInclude(file, angled, next) ? "1" : "0");
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
