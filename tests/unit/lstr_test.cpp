// String lists: escape decoding, and the limits of an element, the pool and
// the count.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/locale.h"
#include "source_text.h"
#include "strings/lstr_escapes.h"

namespace {

/// The element decoded under the given locale; decoded in an exactly sized
/// buffer, so a read past its end shows under the address sanitizer.
std::string Decode(const std::string& element, Language locale) {
  std::vector<char> buffer(element.begin(), element.end());
  buffer.push_back('\0');
  DecodeLStrEscapes(buffer.data(), Locale(locale));
  return buffer.data();
}

struct EscapeCase {
  const char* element;
  const char* decoded;
  Language locale;
};

// The plain escapes are covered by the golden cases; these are the corners.
TEST(LStrEscapes, CornersOfTheScan) {
  const EscapeCase cases[] = {
      {"\\q \\0 \\x41 end\\", "\\q \\0 \\x41 end\\", kLocaleEnglish},
      {"\\0x41\\t", "A\t", kLocaleEnglish},
      // The number is read whole, exactly: low 8 bits, never saturated.
      {"\\0x123456789", "\x89" "3456789", kLocaleEnglish},
      {"\\0x-1", "\xff", kLocaleEnglish},
      {"\\0x 41", "A1", kLocaleEnglish},
      {"\\0x0x41", "A41", kLocaleEnglish},
      // Near the element's end nothing past it is taken; a zero ends it.
      {"a\\0x4", "a\x04", kLocaleEnglish},
      {"a\\0x", "a", kLocaleEnglish},
      {"ab\\0xzz", "ab", kLocaleEnglish},
      {"x\\0x4100y", "x", kLocaleEnglish},
      // A lead byte, also a decoded one, takes the byte after it along.
      {"\x83\\n\\n", "\x83\\n\x0D", kLocaleJapanese},
      {"\\0x83\\n", "\x83\\n", kLocaleJapanese},
      {"ab\x83", "ab\x83", kLocaleJapanese},
  };
  for (const EscapeCase& c : cases)
    EXPECT_EQ(Decode(c.element, c.locale), c.decoded) << "element: " << c.element;
}

/// A run over `source` with its output and the report on standard error.
Conversion Convert(const std::string& source) { return ConvertText("in.r", source); }

/// A list of `count` elements, each `length` letters written as literals of
/// at most 255 characters, one to a line (a longer line would be cut).
std::string ListOf(int count, int length) {
  std::string source = "resource 'LStr' (300) {\n{\n";
  for (int i = 0; i < count; ++i) {
    for (int left = length; left > 0; left -= 255)
      source += "\"" + std::string(left < 255 ? left : 255, 'x') + "\"\n";
    source += length == 0 ? "\"\",\n" : ",\n";
  }
  return source + "}\n};\n";
}

TEST(LStrLimits, LongestElementAndFullPoolConvert) {
  // 640 elements of 1,023 characters and their zeros fill the pool exactly.
  const Conversion run = Convert(ListOf(640, 1023));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.script.find("\t0x8002, 0x7878, "), std::string::npos);
  EXPECT_EQ(run.script.size() - run.script.rfind("0x0078, "), 8 + 6);  // then "\nEND\n\n"
}

TEST(LStrLimits, PoolOverflowFails) {
  // One more element of a single character than the pool holds.
  std::string over = ListOf(640, 1023);
  over.insert(over.find("{\n\"") + 2, "\"x\",\n");
  const Conversion run = Convert(over);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "LStr resource too large, line 1\n");
  EXPECT_EQ(run.script, "");
}

TEST(LStrLimits, CountStopsAt65535Elements) {
  Conversion run = Convert(ListOf(65535, 0));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.script.find("\t0xffff, 0x0000, "), std::string::npos);

  run = Convert(ListOf(65536, 0));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "LStr resource too large, line 1\n");
  EXPECT_EQ(run.script, "");
}

}  // namespace
