// The scanner of C preprocessing tokens.
#include "preprocess/pp_scanner.h"

PpScanner::PpScanner(const Locale& locale) : locale_(locale) {
  for (const char c : {'"', '\'', '\\'}) literalStops_.Add(static_cast<unsigned char>(c));
  for (int c = 0; c < 256; ++c)
    if (locale_.IsLeadByte(c)) literalStops_.Add(static_cast<unsigned char>(c));
}

PpScanner::Scanned PpScanner::ScanQuoted(std::string_view text, std::size_t quote) const {
  const char close = text[quote];
  const bool isString = close == '"';
  std::size_t i = quote + 1;
  ByteSearch::Finder finder(literalStops_, text.data(), text.data() + text.size());
  while (i < text.size()) {
    // The bytes that end nothing and escape nothing, in one go.
    i = static_cast<std::size_t>(finder.Find(text.data() + i) - text.data());
    if (i == text.size()) break;
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
      // The other quote.
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
  // C's punctuators of more than one byte, the longest that begins here.
  const auto at = [text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  const char first = text[0];
  const char second = at(1);
  std::size_t length = 1;
  switch (first) {
    case '<':
    case '>':
      if (second == first) length = at(2) == '=' ? 3 : 2;
      else if (second == '=' || (first == '<' && (second == ':' || second == '%'))) length = 2;
      break;
    case '.':
      if (second == '.' && at(2) == '.') length = 3;
      break;
    case '-':
      if (second == '>' || second == '-' || second == '=') length = 2;
      break;
    case '+':
    case '&':
    case '|':
      if (second == first || second == '=') length = 2;
      break;
    case '#':
      if (second == '#') length = 2;
      break;
    case ':':
      if (second == '>') length = 2;
      break;
    case '%':
      if (second == ':') length = at(2) == '%' && at(3) == ':' ? 4 : 2;
      else if (second == '=' || second == '>') length = 2;
      break;
    case '=':
    case '!':
    case '*':
    case '/':
    case '^':
      if (second == '=') length = 2;
      break;
    default:
      break;
  }
  return {Piece::kToken, PpKind::kPunctuator, length};
}

std::size_t PpScanner::NumberLength(std::string_view text) const {
  std::size_t length = 1;
  while (length < text.size()) {
    const auto c = static_cast<unsigned char>(text[length]);
    if (!ContinuesNumber(static_cast<unsigned char>(text[length - 1]), c)) break;
    length += locale_.IsLeadByte(c) && length + 1 < text.size() ? 2 : 1;
  }
  return length;
}

std::size_t PpScanner::CommentEnd(std::string_view text) const {
  if (!locale_.HasLeadBytes()) {
    const std::size_t close = text.find("*/");
    return close == std::string_view::npos ? close : close + 2;
  }
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
