// The quick look at lines: which lines of a file the stage can hand the
// lexer as they stand, and what little they need changed (a blank for a
// comment, a macro's text for its name), found without taking them apart
// into tokens. Where it cannot tell, it stops, and the stage reads the line
// token by token through the scanner.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/locale.h"
#include "preprocess/byte_set.h"
#include "preprocess/pp_scanner.h"

class QuickLook {
 public:
  /// A look at lines in `locale`'s language, reading what it must through
  /// `scanner`.
  QuickLook(const PpScanner& scanner, const Locale& locale) : scanner_(scanner), locale_(locale) {
    AddStop('"', kStopQuote);
    AddStop('\'', kStopQuote);
    AddStop('/', kStopSlash);
    for (const char c : {'/', '#', '%', '\\', '"', '\''}) starts_.Add(static_cast<unsigned char>(c));
    for (int c = 0; c < 256; ++c)
      if (locale_.IsLeadByte(c)) AddStop(static_cast<unsigned char>(c), kStopLead);
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
    // Only whole lines are read.
    const std::size_t lastFeed = text.rfind('\n');
    if (lastFeed == std::string_view::npos) return 0;
    const char* const begin = text.data();
    Reading reading{begin, begin + lastFeed + 1, begin + lastFeed + 1, nullptr};
    if (locale_.HasLeadBytes()) {
      TakeLinesClosely(reading, nameAction, edits);
    } else {
      if (BeginsDirective(begin, reading.end)) return 0;
      TakePlainLines(reading, nameAction, edits);
    }
    // Edits of the line that stopped the lines taken go with it.
    const auto taken = static_cast<std::size_t>(reading.stopAt - begin);
    while (!edits.empty() && edits.back().start >= taken) edits.pop_back();
    lines = static_cast<int32_t>(ByteSearch::Count(begin, reading.stopAt, '\n'));
    return taken;
  }

 private:
  /// What the quick look stops at: quotes, slashes, the first bytes of
  /// macros' names, lead bytes.
  enum Stop : unsigned char {
    kStopQuote = 1,
    kStopSlash = 2,
    kStopName = 4,
    kStopLead = 8,
  };

  /// The lines being read, [begin, end); where the lines taken stop (end
  /// while none stops them); and the line feed that ends the line last
  /// asked about: a line holds several literals and comments, and its end
  /// is looked for once.
  struct Reading {
    const char* begin;
    const char* end;
    const char* stopAt;
    const char* feed;

    const char* LineStartOf(const char* at) const { return QuickLook::LineStartOf(begin, at); }
    const char* LineEndOf(const char* at) const {
      return static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    }
    const char* FeedAfter(const char* at) {
      if (feed < at) feed = LineEndOf(at);
      return feed;
    }
  };
  /// Where the look goes on after a byte that may begin something, and
  /// whether the line it stands on must be read closely.
  struct Step {
    const char* next;
    bool close;
  };

  /// Every line read closely, one after the other.
  template <class NameActionOf>
  void TakeLinesClosely(Reading& reading, const NameActionOf& nameAction, std::vector<Edit>& edits) const {
    for (const char* lineStart = reading.begin; lineStart != reading.end;) {
      const char* const lineEnd = reading.LineEndOf(lineStart);
      if (!LookAtLine({lineStart, static_cast<std::size_t>(lineEnd - lineStart)}, nameAction, edits,
                      static_cast<std::size_t>(lineStart - reading.begin))) {
        reading.stopAt = lineStart;
        return;
      }
      lineStart = lineEnd + 1;
    }
  }

  /// The lines looked at where something may begin only.
  template <class NameActionOf>
  void TakePlainLines(Reading& reading, const NameActionOf& nameAction, std::vector<Edit>& edits) const {
    ByteSearch::Finder finder(starts_, reading.begin, reading.end);
    reading.feed = reading.LineEndOf(reading.begin);
    for (const char* p = reading.begin;;) {
      const char* const at = finder.Find(p);
      if (at == reading.end) return;
      Step step{at + 1, false};
      switch (*at) {
        case '/': step = AtSlash(reading, at); break;
        case '#':
        case '%':
          if ((*at == '#' || at[1] == ':') && BeginsLine(reading.begin, at)) reading.stopAt = reading.LineStartOf(at);
          break;
        case '\\':
          if (at[1] == '\n' || (at[1] == '\r' && at[2] == '\n')) reading.stopAt = reading.LineStartOf(at);
          break;
        case '"':
        case '\'': step = AtLiteral(reading, finder, at); break;
        default: step = AtName(reading, at, nameAction, edits); break;
      }
      if (reading.stopAt != reading.end) return;
      p = step.next;
      if (!step.close) continue;
      // The line is read closely; what it needs is found anew.
      const char* const lineStart = reading.LineStartOf(at);
      const char* const lineEnd = reading.LineEndOf(at);
      const auto lineOffset = static_cast<std::size_t>(lineStart - reading.begin);
      while (!edits.empty() && edits.back().start >= lineOffset) edits.pop_back();
      if (!LookAtLine({lineStart, static_cast<std::size_t>(lineEnd - lineStart)}, nameAction, edits, lineOffset)) {
        reading.stopAt = lineStart;
        return;
      }
      p = lineEnd + 1;
    }
  }

  /// At a /: a comment that may stay is passed over.
  static Step AtSlash(Reading& reading, const char* at) {
    if (at[1] == '/') {
      const char* const lineStart = reading.LineStartOf(at);
      const char* const lineEnd = reading.FeedAfter(at);
      return {lineEnd, lineEnd - lineStart >= kMostLineBytes || HoldsOddBytes(at, lineEnd)};
    }
    if (at[1] != '*') return {at + 1, false};
    // Closed on its line: the */ is looked for there alone.
    const std::size_t closeAt =
        std::string_view(at + 2, static_cast<std::size_t>(reading.FeedAfter(at) - at - 2)).find("*/");
    const bool close = closeAt == std::string_view::npos || !BeginsLine(reading.begin, at) ||
                       HoldsOddBytes(at, at + closeAt + 4);
    return {close ? at + 1 : at + 4 + closeAt, close};
  }

  /// At a quote: a literal closed on its line is passed over, as nothing in
  /// it is a comment, a directive or a macro's name. One left open is read
  /// closely.
  static Step AtLiteral(Reading& reading, ByteSearch::Finder& finder, const char* at) {
    const char* q = at + 1;
    for (;;) {
      q = finder.Find(q);
      if (q == reading.end || *q == *at) break;
      if (*q != '\\') {
        ++q;
      } else if (q[1] == '\n' || (q[1] == '\r' && q[2] == '\n')) {
        reading.stopAt = reading.LineStartOf(at);
        return {at + 1, false};
      } else {
        q += 2;
      }
    }
    if (q > reading.FeedAfter(at)) return {at + 1, true};
    return {q + 1, false};
  }

  /// At the first byte of a macro's name: where a word begins there, what
  /// `nameAction` says of it.
  template <class NameActionOf>
  static Step AtName(Reading& reading, const char* at, const NameActionOf& nameAction, std::vector<Edit>& edits) {
    if (at != reading.begin && IsNameChar(static_cast<unsigned char>(at[-1]))) return {at + 1, false};
    const std::string_view word(at, NameLength(std::string_view(at, static_cast<std::size_t>(reading.end - at)),
                                               [](unsigned char) { return false; }));
    const Step step{at + word.size(), false};
    if (PpScanner::IsLiteralPrefix(word, *step.next)) return step;
    const NameAction action = nameAction(word);
    if (action.what == NameAction::kStop) {
      reading.stopAt = reading.LineStartOf(at);
    } else if (action.what == NameAction::kReplace) {
      const auto offset = static_cast<std::size_t>(at - reading.begin);
      edits.push_back({offset, offset + word.size(), action.text});
    }
    return step;
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
        p += scanner_.Scan(rest).length;
      } else if (flags & kStopSlash) {
        if (rest.size() < 2 || (rest[1] != '/' && rest[1] != '*')) {
          ++p;
          continue;
        }
        // A comment, which must close on its line.
        std::size_t length = rest.size();
        if (rest[1] == '*') {
          length = scanner_.CommentEnd(rest.substr(2));
          if (length == std::string_view::npos) return giveUp();
          length += 2;
        }
        edits.push_back({offset, offset + length, " "});
        p += length;
      } else if ((flags & kStopName) && (p == begin || !IsNameChar(static_cast<unsigned char>(p[-1])))) {
        // A word that may be a macro's name, or a string's prefix.
        const PpScanner::Scanned word = scanner_.Scan(rest);
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
    while (first < line.size() && PpScanner::IsBlank(static_cast<unsigned char>(line[first]))) ++first;
    const std::string_view rest = line.substr(first);
    if (!rest.empty() && (rest[0] == '#' || rest.substr(0, 2) == "%:")) return false;
    return !scanner_.EndsInSplice(line);
  }

  /// Whether a carriage return or the end-of-input byte stands in [from,
  /// to): a comment that holds one may not stay, as the lexer ends a //
  /// comment there.
  static bool HoldsOddBytes(const char* from, const char* to) {
    const auto length = static_cast<std::size_t>(to - from);
    return std::memchr(from, '\r', length) != nullptr || std::memchr(from, '\x7f', length) != nullptr;
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
    while (at != begin && at[-1] != '\n' && PpScanner::IsBlank(static_cast<unsigned char>(at[-1]))) --at;
    return at == begin || at[-1] == '\n';
  }

  /// Whether the line at `lineStart` begins a directive: a # or %: after blanks.
  static bool BeginsDirective(const char* lineStart, const char* end) {
    while (lineStart != end && PpScanner::IsBlank(static_cast<unsigned char>(*lineStart))) ++lineStart;
    return lineStart != end && (*lineStart == '#' || (*lineStart == '%' && lineStart + 1 != end && lineStart[1] == ':'));
  }

  void AddStop(unsigned char byte, Stop stop) {
    stops_[byte] |= stop;
    stopBytes_.Add(byte);
  }

  /// The longest line the lexer reads in one piece, as its line buffer holds it.
  static constexpr std::ptrdiff_t kMostLineBytes = 511;

  const PpScanner& scanner_;
  const Locale& locale_;
  /// Where something may begin, for the quick look at many lines.
  ByteSearch starts_;
  /// What the quick look stops at, and why.
  std::array<unsigned char, 256> stops_{};
  ByteSearch stopBytes_;
};
