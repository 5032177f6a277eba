// The script's string literals in the form llvm-rc takes.
#include "base/llvm_rc_form.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

/// One piece of a literal that stands for what a resource compiler makes of
/// it: a byte, an escape, or a doubled quote.
struct Unit {
  std::size_t begin;  ///< where its text begins in the script
  std::size_t end;
  int byte;           ///< the one byte it stands for; -1 where compilers differ
  /// Whether it must go into a number: a byte llvm-rc refuses, or the
  /// backslash that is a double-byte character's second byte, which llvm-rc
  /// would read as an escape.
  bool refused = byte >= 0x80 && byte <= 0x9F;
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

/// The escape whose backslash is at `at` (the literal goes on before `end`).
Unit ReadEscape(std::string_view text, std::size_t at, std::size_t end) {
  std::size_t next = at + 1;
  if (next == end) return {at, next, -1};
  const char c = text[next++];
  if (c == 'x' || c == 'X') {
    int value = 0;
    for (int digits = 0; digits < 2 && next < end && HexValue(text[next]) >= 0; ++digits)
      value = value * 16 + HexValue(text[next++]);
    return {at, next, value};
  }
  if (c >= '0' && c <= '7') {
    int value = c - '0';
    for (int digits = 1; digits < 3 && next < end && text[next] >= '0' && text[next] <= '7'; ++digits)
      value = value * 8 + (text[next++] - '0');
    // Past 0377 the compilers part ways.
    return {at, next, value <= 0xFF ? value : -1};
  }
  switch (c) {
    case 'n': return {at, next, '\n'};
    case 'r': return {at, next, '\r'};
    case 't': return {at, next, '\t'};
    case '\\': return {at, next, '\\'};
    default: return {at, next, -1};
  }
}

/// The units of the literal whose opening quote is at `open`; `close` is set
/// to its closing quote, or to npos when the line ends first.
std::vector<Unit> ReadLiteral(std::string_view text, const Locale& locale, std::size_t open,
                              std::size_t& close) {
  const std::size_t end = std::min(text.find('\n', open), text.size());
  std::vector<Unit> units;
  std::size_t at = open + 1;
  while (at < end) {
    if (text[at] == '"' && (at + 1 == end || text[at + 1] != '"')) {
      close = at;
      return units;
    }
    const Unit unit = text[at] == '"'    ? Unit{at, at + 2, '"'}
                      : text[at] == '\\' ? ReadEscape(text, at, end)
                                          : Unit{at, at + 1, static_cast<unsigned char>(text[at])};
    units.push_back(unit);
    at = unit.end;
    // A double-byte character's second byte is a byte of its own, whatever
    // it is, save a quote, which ends the literal for every compiler.
    if (unit.end == unit.begin + 1 && locale.IsLeadByte(unit.byte) && at < end && text[at] != '"') {
      Unit second{at, at + 1, static_cast<unsigned char>(text[at])};
      second.refused = second.refused || second.byte == '\\';
      units.push_back(second);
      ++at;
    }
  }
  close = std::string_view::npos;
  return units;
}

/// Which units go into a number with the unit after them, so that every
/// refused byte is in one; empty when no such choice exists. Fewest numbers:
/// a unit stays in a literal wherever the rest can still be covered.
std::vector<bool> ChoosePairs(const std::vector<Unit>& units) {
  const std::size_t n = units.size();
  // coverable[i]: the units from i on can be written.
  std::vector<bool> coverable(n + 2, false);
  coverable[n] = true;
  const auto pairable = [&](std::size_t i) {
    return i + 1 < n && units[i].byte >= 0 && units[i + 1].byte >= 0 && coverable[i + 2];
  };
  for (std::size_t i = n; i-- > 0;)
    coverable[i] = (!units[i].refused && coverable[i + 1]) || pairable(i);
  if (!coverable[0]) return {};
  std::vector<bool> startsPair(n, false);
  for (std::size_t i = 0; i < n; ++i) {
    if (!units[i].refused && coverable[i + 1]) continue;
    startsPair[i] = true;
    ++i;
  }
  return startsPair;
}

/// Appends the literal's units as quoted runs and numbers, separated by
/// commas.
void AppendRewritten(std::string_view text, const std::vector<Unit>& units,
                     const std::vector<bool>& startsPair, std::string& out) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  bool first = true;
  std::size_t i = 0;
  while (i < units.size()) {
    if (!first) out += ", ";
    first = false;
    if (startsPair[i]) {
      // Least significant byte first: the second byte is the high one.
      const int word = units[i + 1].byte << 8 | units[i].byte;
      out += "0x";
      for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(word >> shift) & 0xF];
      i += 2;
      continue;
    }
    std::size_t last = i;
    while (last + 1 < units.size() && !startsPair[last + 1]) ++last;
    out += '"';
    out += text.substr(units[i].begin, units[last].end - units[i].begin);
    out += '"';
    i = last + 1;
  }
}

}  // namespace

void AppendForLlvmRc(std::string_view script, const Locale& locale, std::string& out) {
  std::size_t copied = 0;
  for (std::size_t open = script.find('"'); open != std::string_view::npos;
       open = script.find('"', open)) {
    std::size_t close = 0;
    const std::vector<Unit> units = ReadLiteral(script, locale, open, close);
    if (close == std::string_view::npos) {
      // A literal the line ends: left to the compiler as it stands.
      open = script.find('\n', open);
      continue;
    }
    bool refused = false;
    for (const Unit& unit : units) refused = refused || unit.refused;
    const std::vector<bool> startsPair = refused ? ChoosePairs(units) : std::vector<bool>{};
    if (!startsPair.empty()) {
      out += script.substr(copied, open - copied);
      AppendRewritten(script, units, startsPair, out);
      copied = close + 1;
    }
    open = close + 1;
  }
  out += script.substr(copied);
}
