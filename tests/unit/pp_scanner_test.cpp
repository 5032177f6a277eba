// The scanner of C preprocessing tokens: where each token of a line ends,
// and what it is, for every punctuator and literal form C has, with the
// language's double-byte characters kept whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "preprocess/pp_scanner.h"

namespace {

/// The line's pieces, each as "<kind letter><spelling>" and joined by "|":
/// i identifier, n number, c character, s string, p punctuator, o other, and
/// _ for a comment ("/" for one the line does not close); blanks left out.
std::string Pieces(std::string_view line, Language language = kLocaleEnglish) {
  const Locale locale(language);
  const PpScanner scanner(locale);
  std::string pieces;
  for (std::size_t pos = 0; pos < line.size();) {
    const PpScanner::Scanned scanned = scanner.Scan(line.substr(pos));
    const std::string_view text = line.substr(pos, scanned.length);
    pos += scanned.length;
    if (scanned.piece == PpScanner::Piece::kSpace) continue;
    if (!pieces.empty()) pieces += '|';
    switch (scanned.piece) {
      case PpScanner::Piece::kComment: pieces += '_'; continue;
      case PpScanner::Piece::kOpenComment: pieces += '/'; continue;
      default: break;
    }
    pieces += "incspo"[static_cast<int>(scanned.kind)];
    pieces += text;
  }
  return pieces;
}

TEST(PpScanner, SplitsLinesAsC) {
  const struct {
    const char* line;
    const char* pieces;
  } kCases[] = {
      // Every punctuator, the longest first.
      {"<<= << <= <: <% < >>= >> >= > ... .. . -> -- -= - ++ += + && &= & || |= |",
       "p<<=|p<<|p<=|p<:|p<%|p<|p>>=|p>>|p>=|p>|p...|p.|p.|p.|p->|p--|p-=|p-|p++|p+=|p+|p&&|p&=|p&|p|||p|=|p|"},
      {"## # :> : %:%: %:% %: %= %> % == = != ! *= * /= / ^= ^ ~ ? ; , ( ) [ ] { }",
       "p##|p#|p:>|p:|p%:%:|p%:|p%|p%:|p%=|p%>|p%|p==|p=|p!=|p!|p*=|p*|p/=|p/|p^=|p^|p~|p?|p;|p,|p(|p)|p[|p]|p{|p}"},
      // Numbers take letters, full stops and the signs of exponents.
      {"1 1.5e+3 .5 0x1Fp-2 12abc 1e+x 9- a.b", "n1|n1.5e+3|n.5|n0x1Fp-2|n12abc|n1e+x|n9|p-|ia|p.|ib"},
      // Names, $ among them, and the prefixes of literals.
      {"$x _1 L\"x\" u8\"y\" u'z' U\"w\" u8'q' Lx u8", "i$x|i_1|sL\"x\"|su8\"y\"|cu'z'|sU\"w\"|iu8|c'q'|iLx|iu8"},
      // Escapes; a quote the line does not close takes the rest of it.
      {"'\\'' \"a\\\"b\" '\\\\' @ \\ \"open", "c'\\''|s\"a\\\"b\"|c'\\\\'|o@|o\\|o\"open"},
      // Comments, closed or not.
      {"a/**/b /*/ c */ d // e", "ia|_|ib|_|id|_"},
      {"a /* open", "ia|/"},
  };
  for (const auto& entry : kCases) EXPECT_EQ(Pieces(entry.line), entry.pieces) << entry.line;
}

TEST(PpScanner, KeepsDoubleByteCharactersWhole) {
  // 0x95 0x5C and 0x83 0x2A: characters whose second byte is a backslash
  // and a *; 0x95 at the end of a line stands alone.
  const struct {
    std::string line;
    std::string pieces;
  } kCases[] = {
      {"\"\x95\\\" x", "s\"\x95\\\"|ix"},
      {"\"\x95\\\\\" x", "s\"\x95\\\\\"|ix"},
      {"'\x95\\' x", "c'\x95\\'|ix"},
      {"a\x95\\b 1\x95\\ \x95", "ia\x95\\b|n1\x95\\|i\x95"},
      {"/* \x83* */ x /* \x83*/", "_|ix|/"},
  };
  for (const auto& entry : kCases)
    EXPECT_EQ(Pieces(entry.line, kLocaleJapanese), entry.pieces) << entry.line;

  const Locale japanese(kLocaleJapanese);
  const PpScanner scanner(japanese);
  EXPECT_TRUE(scanner.EndsInSplice("a\\"));
  EXPECT_TRUE(scanner.EndsInSplice("\x95\\\\"));
  EXPECT_FALSE(scanner.EndsInSplice("a\x95\\"));
  EXPECT_FALSE(scanner.EndsInSplice(""));
  EXPECT_FALSE(scanner.EndsInSplice("a"));
}


// The search the quick look passes over text with: for sets that the tables
// of halves tell exactly (few high halves) and sets they cannot (many), over
// texts whose lengths leave every kind of remainder after blocks of 64 and
// runs of 16, it stops at every byte of the set and nowhere else, wherever a
// search starts and however far it jumps ahead between searches.
TEST(ByteSearch, FindsEveryByteOfTheSetAndNoOther) {
  std::uint32_t seed = 12345;
  const auto random = [&seed](std::uint32_t below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % below;
  };
  const std::string kSets[] = {"/#%\\\"'k_", "\"'\\", std::string("\x81\x9f\xe0\xfc/\"'k", 8),
                               std::string("\x01\x12\x23\x34\x45\x56\x67\x78\x89\x9a", 10)};
  for (const std::string& set : kSets) {
    ByteSearch search;
    for (const char byte : set) search.Add(static_cast<unsigned char>(byte));
    for (int round = 0; round < 200; ++round) {
      std::string text(random(300), '\0');
      for (char& byte : text) byte = random(4) == 0 ? set[random(set.size())] : static_cast<char>(random(256));
      const char* const begin = text.data();
      const char* const end = begin + text.size();
      ByteSearch::Finder finder(search, begin, end);
      for (const char* p = begin + std::min<std::size_t>(random(8), text.size());;) {
        const char* expected = p;
        while (expected != end && set.find(*expected) == std::string::npos) ++expected;
        const char* const found = finder.Find(p);
        ASSERT_EQ(found - begin, expected - begin) << "set " << &set - kSets << ", round " << round;
        if (found == end) break;
        p = found + 1 + std::min<std::size_t>(random(3) == 0 ? random(80) : 0, static_cast<std::size_t>(end - found - 1));
      }
      EXPECT_EQ(ByteSearch::Count(begin, end, set[0]), static_cast<std::size_t>(std::count(text.begin(), text.end(), set[0])));
    }
  }
}

}  // namespace
