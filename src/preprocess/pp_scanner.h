// The scanner of C preprocessing tokens: what begins at a point of a line
// (white space, a comment, or one token) and how far it reaches. Directives,
// macro expansion, #if and the command line's macro names all read text
// through it, so a token ends in the same place for each of them.
//
// It follows C, with the language's double-byte characters kept whole: a
// lead byte takes the byte after it along, so a second byte that is a quote,
// a backslash or a * ends nothing and escapes nothing. Inside a string a
// second byte that is a backslash may be written doubled, as the plain
// reading of strings allows, and both backslashes belong to the character.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/locale.h"
#include "preprocess/byte_set.h"
#include "preprocess/pp_token.h"

class PpScanner {
 public:
  /// What begins at the point scanned.
  enum class Piece : unsigned char {
    kSpace,        ///< blanks, tabs, form feeds, vertical tabs, carriage returns
    kComment,      ///< a whole comment: /* ... */, or // to the end of the text
    kOpenComment,  ///< a /* that the text does not close
    kToken,        ///< one preprocessing token
  };
  struct Scanned {
    Piece piece;
    PpKind kind;  ///< of a token
    std::size_t length;
  };

  explicit PpScanner(const Locale& locale);

  /// Scans what begins at the first byte of `text` (one line, without its
  /// line end; not empty).
  Scanned Scan(std::string_view text) const {
    const auto c = static_cast<unsigned char>(text[0]);
    switch (kByteClass[c]) {
      case kSpaceByte: {
        std::size_t length = 1;
        while (length < text.size() && kByteClass[static_cast<unsigned char>(text[length])] == kSpaceByte)
          ++length;
        return {Piece::kSpace, PpKind::kOther, length};
      }
      case kNameByte:
        return ScanName(text);
      case kDigitByte:
        return {Piece::kToken, PpKind::kNumber, NumberLength(text)};
      case kQuoteByte:
        return ScanQuoted(text, 0);
      case kSlashByte:
        return ScanSlash(text);
      case kDotByte:
        if (text.size() > 1 && text[1] >= '0' && text[1] <= '9')
          return {Piece::kToken, PpKind::kNumber, NumberLength(text)};
        return ScanPunctuator(text);
      case kPunctuatorByte:
        return ScanPunctuator(text);
      default:
        return {Piece::kToken, PpKind::kOther, 1};
    }
  }

  /// A piece of text the quick look puts in place of bytes [start, end) of
  /// what it read: a blank for a comment, a macro's replacement for its name.
  struct Edit {
    std::size_t start;
    std::size_t end;
    std::string_view text;
  };
  /// What the quick look does with a name: leaves it (it is no macro), puts
  /// `text` in its place, or stops before the line (it needs the tokens).
  struct NameAction {
    enum What { kLeave, kReplace, kStop } what;
    std::string_view text;
  };

  /// Whether a carriage return or the end-of-input byte stands in [from,
  /// to): a comment that holds one may not stay, as the lexer ends a //
  /// comment there.
  static bool HoldsOddBytes(const char* from, const char* to) {
    const auto length = static_cast<std::size_t>(to - from);
    return std::memchr(from, '\r', length) != nullptr || std::memchr(from, '\x7f', length) != nullptr;
  }

  /// Notes that a macro's name begins with the name's first byte: the quick
  /// look stops at such a byte where a word begins.
  void NoteMacroName(std::string_view name) {
    if (name.empty()) return;
    const auto first = static_cast<unsigned char>(name[0]);
    AddStop(first, kStopName);
    starts_.Add(first);
  }

  /// Reads whole lines of `text` (each ending in a line feed) for as long as
  /// each can be handed on as it stands once `edits` are made: no backslash
  /// joins the next line to it, no # begins a directive, every comment
  /// closes on its line (a blank stands for it), and `nameAction` says what
  /// becomes of every name that may be a macro's. Returns the length of the
  /// lines read and their count in `lines`; `edits` (positions in `text`)
  /// hold what the lines need.
  ///
  /// Most lines need nothing, and are found so without reading them byte by
  /// byte: a search finds, many bytes at a time, the bytes that may begin
  /// something (a /, a # or %:, a \, a quote, a byte a macro's name begins
  /// with), and only there is more read. A directive or a backslash joining
  /// the next line ends the lines taken. Quotes closed on their line are
  /// passed over: nothing in them is a comment or a macro's name. A comment
  /// may stay, for the lexer to pass over as it passes over the blank a C
  /// preprocessor leaves: one that holds neither the end-of-input byte nor a
  /// carriage return (the lexer ends a // comment at one), on a line short
  /// enough to reach the lexer in one piece; for /*, closed on its line with
  /// only blanks before it, so that no number's arithmetic goes on across
  /// it. A macro's name is replaced where it has a text of its own. A line
  /// with quotes left open, or a comment that must become a blank, is read
  /// closely (LookAtLine). With double-byte characters every line is.
  template <class NameActionOf>
  std::size_t TakeLines(std::string_view text, const NameActionOf& nameAction, std::vector<Edit>& edits,
                        int32_t& lines) const {
    edits.clear();
    lines = 0;
    const char* const begin = text.data();
    // Only whole lines are read.
    const std::size_t lastFeed = text.rfind('\n');
    if (lastFeed == std::string_view::npos) return 0;
    const char* const end = begin + lastFeed + 1;
    const auto lineStartOf = [begin](const char* at) { return LineStartOf(begin, at); };
    const auto lineEndOf = [end](const char* at) {
      return static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    };
    const char* stopAt = end;
    if (locale_.HasLeadBytes()) {
      for (const char* lineStart = begin; lineStart != end;) {
        const char* const lineEnd = lineEndOf(lineStart);
        if (!LookAtLine({lineStart, static_cast<std::size_t>(lineEnd - lineStart)}, nameAction, edits,
                        static_cast<std::size_t>(lineStart - begin))) {
          stopAt = lineStart;
          break;
        }
        lineStart = lineEnd + 1;
      }
    } else {
      ByteSearch::Finder finder(starts_, begin, end);
      if (BeginsDirective(begin, end)) return 0;
      // The line feed that ends the line last asked about: a line holds
      // several literals and comments, and its end is looked for once.
      const char* feed = lineEndOf(begin);
      const auto feedAfter = [&feed, &lineEndOf](const char* at) {
        if (feed < at) feed = lineEndOf(at);
        return feed;
      };
      for (const char* p = begin;;) {
        const char* const at = finder.Find(p);
        if (at == end) break;
        p = at + 1;
        bool close = false;
        switch (*at) {
          case '/':
            if (at[1] == '/') {
              const char* const lineStart = lineStartOf(at);
              const char* const lineEnd = feedAfter(at);
              close = lineEnd - lineStart >= kMostLineBytes || HoldsOddBytes(at, lineEnd);
              p = lineEnd;
            } else if (at[1] == '*') {
              // Closed on its line: the */ is looked for there alone.
              const std::size_t closeAt =
                  std::string_view(at + 2, static_cast<std::size_t>(feedAfter(at) - at - 2)).find("*/");
              close = closeAt == std::string_view::npos || !BeginsLine(begin, at) || HoldsOddBytes(at, at + closeAt + 4);
              if (!close) p = at + 4 + closeAt;
            }
            break;
          case '#':
          case '%':
            if ((*at == '#' || at[1] == ':') && BeginsLine(begin, at)) stopAt = lineStartOf(at);
            break;
          case '\\':
            if (at[1] == '\n' || (at[1] == '\r' && at[2] == '\n')) stopAt = lineStartOf(at);
            break;
          case '"':
          case '\'': {
            // A literal, closed on its line: nothing in it is a comment, a
            // directive or a macro's name. One left open is read closely.
            const char* q = at + 1;
            for (;;) {
              q = finder.Find(q);
              if (q == end || *q == *at) break;
              if (*q != '\\') {
                ++q;
              } else if (q[1] == '\n' || (q[1] == '\r' && q[2] == '\n')) {
                stopAt = lineStartOf(at);
                break;
              } else {
                q += 2;
              }
            }
            if (stopAt != end) break;
            if (q > feedAfter(at)) close = true;
            else p = q + 1;
            break;
          }
          default: {
            if (at != begin && IsNameChar(static_cast<unsigned char>(at[-1]))) break;
            const std::string_view word(at, NameLength(std::string_view(at, static_cast<std::size_t>(end - at)),
                                                       [](unsigned char) { return false; }));
            p = at + word.size();
            if (IsLiteralPrefix(word, *p)) break;
            const NameAction action = nameAction(word);
            if (action.what == NameAction::kLeave) break;
            if (action.what == NameAction::kStop) {
              stopAt = lineStartOf(at);
            } else {
              const auto offset = static_cast<std::size_t>(at - begin);
              edits.push_back({offset, offset + word.size(), action.text});
            }
            break;
          }
        }
        if (stopAt != end) break;
        if (!close) continue;
        // The line is read closely; what it needs is found anew.
        const char* const lineStart = lineStartOf(at);
        const char* const lineEnd = lineEndOf(at);
        const auto lineOffset = static_cast<std::size_t>(lineStart - begin);
        while (!edits.empty() && edits.back().start >= lineOffset) edits.pop_back();
        if (!LookAtLine({lineStart, static_cast<std::size_t>(lineEnd - lineStart)}, nameAction, edits, lineOffset)) {
          stopAt = lineStart;
          break;
        }
        p = lineEnd + 1;
      }
    }
    // Edits of the line that stopped the lines taken go with it.
    const auto taken = static_cast<std::size_t>(stopAt - begin);
    while (!edits.empty() && edits.back().start >= taken) edits.pop_back();
    lines = static_cast<int32_t>(ByteSearch::Count(begin, stopAt, '\n'));
    return taken;
  }

  /// The start of the line that `at` stands on, in text that begins at `begin`.
  static const char* LineStartOf(const char* begin, const char* at) {
#if defined(__GLIBC__)
    const void* feed = memrchr(begin, '\n', static_cast<std::size_t>(at - begin));
    return feed ? static_cast<const char*>(feed) + 1 : begin;
#else
    while (at != begin && at[-1] != '\n') --at;
    return at;
#endif
  }

  /// Whether only blanks stand between the start of the line and `at`.
  static bool BeginsLine(const char* begin, const char* at) {
    while (at != begin && at[-1] != '\n' && kByteClass[static_cast<unsigned char>(at[-1])] == kSpaceByte) --at;
    return at == begin || at[-1] == '\n';
  }

  /// Whether the line at `lineStart` begins a directive: a # or %: after blanks.
  static bool BeginsDirective(const char* lineStart, const char* end) {
    while (lineStart != end && kByteClass[static_cast<unsigned char>(*lineStart)] == kSpaceByte) ++lineStart;
    return lineStart != end && (*lineStart == '#' || (*lineStart == '%' && lineStart + 1 != end && lineStart[1] == ':'));
  }

  /// Reads one line (without its line end; the bytes of `text` from `at`)
  /// closely, adding what it needs to `edits`; false when it needs tokens.
  template <class NameActionOf>
  bool LookAtLine(std::string_view line, const NameActionOf& nameAction, std::vector<Edit>& edits,
                  std::size_t at) const {
    if (!StandsPlain(line)) return false;
    const std::size_t editsBefore = edits.size();
    const auto giveUp = [&] {
      edits.resize(editsBefore);
      return false;
    };
    const char* const begin = line.data();
    const char* const end = begin + line.size();
    ByteSearch::Finder finder(stopBytes_, begin, end);
    for (const char* p = begin;;) {
      p = finder.Find(p);
      if (p == end) return true;
      const unsigned char flags = stops_[static_cast<unsigned char>(*p)];
      const std::string_view rest(p, static_cast<std::size_t>(end - p));
      const std::size_t offset = at + static_cast<std::size_t>(p - begin);
      if (flags & kStopQuote) {
        p += ScanQuoted(rest, 0).length;
      } else if (flags & kStopSlash) {
        if (rest.size() < 2 || (rest[1] != '/' && rest[1] != '*')) {
          ++p;
          continue;
        }
        // A comment, which must close on its line.
        std::size_t length = rest.size();
        if (rest[1] == '*') {
          length = CommentEnd(rest.substr(2));
          if (length == std::string_view::npos) return giveUp();
          length += 2;
        }
        edits.push_back({offset, offset + length, " "});
        p += length;
      } else if ((flags & kStopName) && (p == begin || !IsNameChar(static_cast<unsigned char>(p[-1])))) {
        // A word that may be a macro's name, or a string's prefix.
        const Scanned word = ScanName(rest);
        if (word.kind == PpKind::kIdentifier) {
          const NameAction action = nameAction(rest.substr(0, word.length));
          if (action.what == NameAction::kStop) return giveUp();
          if (action.what == NameAction::kReplace) edits.push_back({offset, offset + word.length, action.text});
        }
        p += word.length;
      } else {
        // A double-byte character goes whole; any other byte alone.
        p += (flags & kStopLead) && rest.size() > 1 ? 2 : 1;
      }
    }
  }

  /// Whether a line begins no directive and ends in no backslash that joins
  /// the next one to it (a carriage return before its line feed goes with it).
  bool StandsPlain(std::string_view line) const {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t first = 0;
    while (first < line.size() && kByteClass[static_cast<unsigned char>(line[first])] == kSpaceByte) ++first;
    const std::string_view rest = line.substr(first);
    if (!rest.empty() && (rest[0] == '#' || rest.substr(0, 2) == "%:")) return false;
    return !EndsInSplice(line);
  }

  /// The length of `text` up to and including the */ that closes a block
  /// comment begun before it, or npos when the text does not close it.
  std::size_t CommentEnd(std::string_view text) const;

  /// Whether the line ends in a backslash that joins the next line to it: a
  /// backslash that is not the second byte of a double-byte character.
  bool EndsInSplice(std::string_view line) const;

  bool IsLeadByte(unsigned char c) const { return locale_.IsLeadByte(c); }

 private:
  enum ByteClass : unsigned char {
    kOtherByte,
    kSpaceByte,
    kNameByte,
    kDigitByte,
    kQuoteByte,
    kSlashByte,
    kDotByte,
    kPunctuatorByte,
  };
  /// What the quick look at a line stops at: quotes, slashes, the first
  /// bytes of macros' names, lead bytes.
  enum Stop : unsigned char {
    kStopQuote = 1,
    kStopSlash = 2,
    kStopName = 4,
    kStopLead = 8,
  };

  static constexpr std::array<ByteClass, 256> kByteClass = [] {
    std::array<ByteClass, 256> classes{};
    for (int c = 0; c < 256; ++c) {
      if (IsNameStart(static_cast<unsigned char>(c))) classes[c] = kNameByte;
    }
    for (const char c : std::string_view(" \t\f\v\r")) classes[static_cast<unsigned char>(c)] = kSpaceByte;
    for (int c = '0'; c <= '9'; ++c) classes[c] = kDigitByte;
    classes['"'] = classes['\''] = kQuoteByte;
    classes['/'] = kSlashByte;
    classes['.'] = kDotByte;
    for (const char c : std::string_view("[](){}&*+-~!%<>^|?:;=,#"))
      classes[static_cast<unsigned char>(c)] = kPunctuatorByte;
    return classes;
  }();

  /// A string or character prefix (L, u, U, u8) before its quote belongs to
  /// the literal: no name stands there.
  static bool IsLiteralPrefix(std::string_view name, char quote) {
    if (quote == '"') return name == "L" || name == "u" || name == "U" || name == "u8";
    return quote == '\'' && (name == "L" || name == "u" || name == "U");
  }
  Scanned ScanName(std::string_view text) const {
    const std::size_t length = NameLength(text, [this](unsigned char b) { return locale_.IsLeadByte(b); });
    if (length < text.size() && IsLiteralPrefix(text.substr(0, length), text[length]))
      return ScanQuoted(text, length);
    return {Piece::kToken, PpKind::kIdentifier, length};
  }
  /// A character constant or string literal whose quote is at `quote`
  /// (after a prefix such as L); to the end of the text when not closed.
  Scanned ScanQuoted(std::string_view text, std::size_t quote) const;
  Scanned ScanSlash(std::string_view text) const;
  static Scanned ScanPunctuator(std::string_view text);
  std::size_t NumberLength(std::string_view text) const;

  void AddStop(unsigned char byte, Stop stop) {
    stops_[byte] |= stop;
    stopBytes_.Add(byte);
  }

  /// The longest line the lexer reads in one piece, as its line buffer holds it.
  static constexpr std::ptrdiff_t kMostLineBytes = 511;

  const Locale& locale_;
  /// Where something may begin, for the quick look at many lines.
  ByteSearch starts_;
  /// What the quick look stops at, and why.
  std::array<unsigned char, 256> stops_{};
  ByteSearch stopBytes_;
  /// The bytes that may end or escape something inside quotes.
  ByteSearch literalStops_;
};
