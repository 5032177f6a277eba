// The scanner of C preprocessing tokens.
#include "source/pp_scanner.h"

#include <cstring>

namespace {

/// C's punctuators of more than one byte, the longest first where one
/// begins another, so that the first match is the longest.
constexpr std::string_view kLongPunctuators[] = {
    "%:%:", "<<=", ">>=", "...", "->", "++", "--", "<<", ">>", "<=", ">=", "==", "!=", "&&",
    "||",   "*=",  "/=",  "%=",  "+=", "-=", "&=", "^=", "|=", "##", "<:", ":>", "<%", "%>",
    "%:",
};

}  // namespace

PpScanner::Scanned PpScanner::ScanName(std::string_view text) const {
  // A string or character prefix (L, u, U, u8) directly before its quote
  // belongs to the literal: no name stands there.
  const char c = text[0];
  if (c == 'L' || c == 'u' || c == 'U') {
    std::size_t quote = 1;
    if (c == 'u' && text.size() > 2 && text[1] == '8' && text[2] == '"') quote = 2;
    if (quote < text.size() && (text[quote] == '"' || (text[quote] == '\'' && quote == 1)))
      return ScanQuoted(text, quote);
  }
  return {Piece::kToken, PpKind::kIdentifier,
          NameLength(text, [this](unsigned char b) { return locale_.IsLeadByte(b); })};
}

PpScanner::Scanned PpScanner::ScanQuoted(std::string_view text, std::size_t quote) const {
  const char close = text[quote];
  const bool isString = close == '"';
  std::size_t i = quote + 1;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == static_cast<unsigned char>(close))
      return {Piece::kToken, isString ? PpKind::kString : PpKind::kCharacter, i + 1};
    if (c == '\\') {
      // An escape: the byte after the backslash stands for itself.
      i += 2;
    } else if (locale_.IsLeadByte(c)) {
      i += 2;
      // A second byte that is a backslash, doubled as strings may write it.
      if (isString && i < text.size() && text[i - 1] == '\\' && text[i] == '\\') ++i;
    } else {
      ++i;
    }
  }
  // Not closed on its line: the rest of the line is one token, which nothing
  // expands, as C preprocessors read it.
  return {Piece::kToken, PpKind::kOther, text.size()};
}

PpScanner::Scanned PpScanner::ScanSlash(std::string_view text) const {
  if (text.size() > 1 && text[1] == '/') return {Piece::kComment, PpKind::kOther, text.size()};
  if (text.size() > 1 && text[1] == '*') {
    const std::size_t end = CommentEnd(text.substr(2));
    if (end == std::string_view::npos) return {Piece::kOpenComment, PpKind::kOther, text.size()};
    return {Piece::kComment, PpKind::kOther, end + 2};
  }
  return ScanPunctuator(text);
}

PpScanner::Scanned PpScanner::ScanPunctuator(std::string_view text) {
  for (const std::string_view punctuator : kLongPunctuators) {
    if (text.substr(0, punctuator.size()) == punctuator)
      return {Piece::kToken, PpKind::kPunctuator, punctuator.size()};
  }
  return {Piece::kToken, PpKind::kPunctuator, 1};
}

std::size_t PpScanner::NumberLength(std::string_view text) const {
  // A digit (or a full stop and a digit), then digits, letters, _, full
  // stops, and a sign that follows e, E, p or P.
  std::size_t length = 1;
  while (length < text.size()) {
    const auto c = static_cast<unsigned char>(text[length]);
    if ((c == '+' || c == '-') && std::strchr("eEpP", text[length - 1]) != nullptr) {
      ++length;
    } else if (IsNameChar(c) || c == '.') {
      length += locale_.IsLeadByte(c) && length + 1 < text.size() ? 2 : 1;
    } else {
      break;
    }
  }
  return length;
}

std::size_t PpScanner::CommentEnd(std::string_view text) const {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '*' && i + 1 < text.size() && text[i + 1] == '/') return i + 2;
    i += locale_.IsLeadByte(c) ? 2 : 1;
  }
  return std::string_view::npos;
}

bool PpScanner::EndsInSplice(std::string_view line) const {
  if (line.empty() || line.back() != '\\') return false;
  if (!locale_.HasLeadBytes()) return true;
  // Walk the line's characters: the backslash splices only where it begins one.
  std::size_t i = 0;
  while (i + 1 < line.size()) i += locale_.IsLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
  return i == line.size() - 1;
}
