// The numbers of statements in preprocessing mode: C constant expressions
// on a 32-bit int, wherever a statement reads a number, with the value C
// gives each (checked against a C compiler when written, -fwrapv) and the
// exact message of each refusal.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "source_text.h"
#include "stage_text.h"

namespace {

const std::string kMacros =
    "#define kA 10\n#define kSum 3 + 4\n#define TWICE(x) x * 2\n#define SEL(c, a, b) c ? a : b\n"
    "#define kSelf kSelf\n#define CAT(a, b) a %:%: b\n#define V(a, ...) a , ## __VA_ARGS__\n#define kP 0x1P-3\n";

/// The Priority a source whose Priority holds `value` converts to (its
/// decimal text), or the report of its failure.
std::string PriorityOf(const std::string& value) {
  const Conversion result =
      ConvertPreprocessed(kMacros + "resource 'Vorl' (1) {\n{\nPriority { " + value + " }\n}\n};\n");
  if (result.status != 0) return result.err;
  const std::size_t key = result.script.find("'prty'");
  const std::size_t start = result.script.find("4L\n\t", key) + 4;
  return result.script.substr(start, result.script.find('L', start) - start);
}

TEST(Value, ComputesAsC) {
  const struct {
    const char* text;
    int64_t value;
  } kCases[] = {
      // Precedence and grouping to the left, across a macro's edge too.
      {"1 + 2 * 3", 7}, {"10 - 4 - 3", 3}, {"64 / 4 / 2", 8}, {"kSum * 2", 11}, {"TWICE(kSum)", 11},
      {"1 << 2 + 1", 8}, {"1 | 2 ^ 3 & 4", 3}, {"5 > 3 == 1", 1}, {"0 || 1 && 0", 0},
      {"SEL(1, 2, 3) + 4", 2}, {"1 ? 2 : 0 ? 3 : 4", 2}, {"0 ? 1 : 0 ? 3 : 4", 4}, {"(0 ? 1 : 2) * 3", 6},
      // Unary operators; literals of every form; what 32 bits wrap to.
      {"-kA", -10}, {"~0", -1}, {"!5", 0}, {"!!5 + +1", 2}, {"- - 3", 3}, {"010 + 0x1F + 0b11 + 0o7", 49},
      {"2147483647 + 1", INT32_MIN}, {"-2147483647 - 1", INT32_MIN}, {"65536 * 65536", 0},
      {"(-2147483647 - 1) / -1", INT32_MIN}, {"(-2147483647 - 1) % -1", 0},
      {"-7 / 2", -3}, {"-7 % 2", -1}, {"7 % -2", 1}, {"-8 >> 1", -4}, {"1 << 31", INT32_MIN},
      // An unsigned operand makes the operation unsigned, as in C.
      {"0xFFFFFFFF", -1}, {"0xF0000000 >> 28", 15}, {"0x80000000 / 2", 0x40000000}, {"-1 < 0u", 0},
      {"4294967295 > 0", 1}, {"2147483648 / 2", 0x40000000}, {"10u - 20 > 0", 1}, {"-1 >> 31u", -1},
      {"(1 ? 1u : 2) - 2 > 0", 1}, {"0x7FFFFFFFu + 1 > 0", 1}, {"~0u >> 1", INT32_MAX},
      // The side C does not evaluate may divide by zero or shift too far.
      {"0 && 1 / 0", 0}, {"1 || 1 % 0", 1}, {"1 ? 2 : 1 << 40", 2}, {"0 ? 1 / 0 : 5", 5},
      // Suffixes belong to the number; numbers of every length and base,
      // read at once or byte by byte.
      {"0x00010002L", 0x10002}, {"5 + 0x1fUL", 36}, {"3ll * 2", 6}, {"0X1f + 00", 31},
      {"123456789 + 1234567890", 1358024679}, {"0x0000000001 + 0xABCDEF01", -1412567294},
      {"0 - 0x7FFFFFFF", -2147483647}, {"1000000000 * 3", -1294967296},
      // Pasted by the digraph of ##; a comma before an empty __VA_ARGS__ goes.
      {"CAT(1, 2) + 1", 13}, {"V(7)", 7},
  };
  for (const auto& entry : kCases) EXPECT_EQ(PriorityOf(entry.text), std::to_string(entry.value)) << entry.text;
}

TEST(Value, RefusalsSayWhatIsWrong) {
  const struct {
    const char* text;
    const char* message;
  } kCases[] = {
      {"", "Empty value"},
      {"1 / 0", "Division by zero"},
      {"1 % (kA - 10)", "Division by zero"},
      {"1 << 32", "Shift count 32 out of range (0 to 31)"},
      {"1 >> -1", "Shift count -1 out of range (0 to 31)"},
      {"1 << 0xFFFFFFFF", "Shift count 4294967295 out of range (0 to 31)"},
      {"1 +", "Missing operand after '+'"},
      {"* 2", "Missing operand before '*'"},
      {"(", "Missing operand after '('"},
      {"2 * ()", "Missing operand after '('"},
      {"1 2", "'2' left over in the value"},
      {"1 ~ 2", "'~' left over in the value"},
      {"1 : 2", "':' left over in the value"},
      {"1 = 2", "'=' left over in the value"},
      {"1 . 2", "'.' left over in the value"},
      {"1 \"s\"", "a string left over in the value"},
      {"1 'code'", "a four-character code left over in the value"},
      {"1 { 2", "'{' left over in the value"},
      {"(1", "Missing ')' in the value"},
      {"1 ? 2", "'?' without ':' in the value"},
      {"(1 ? 2)", "'?' without ':' in the value"},
      {"0x100000000", "Integer constant '0x100000000' too large for 32 bits"},
      {"99999999999999999999999", "Integer constant '99999999999999999999999' too large for 32 bits"},
      {"1.5", "'1.5' is no integer constant"},
      {"0xE+1", "'0xE+1' is no integer constant"},
      {"0x1e-1", "'0x1e-1' is no integer constant"},
      {"0x123456789", "Integer constant '0x123456789' too large for 32 bits"},
      {"4294967296", "Integer constant '4294967296' too large for 32 bits"},
      {"0x", "'0x' is no integer constant"},
      {"1 + 2x", "'2x' is no integer constant"},
      {"09", "'09' is no integer constant"},
      {"kP", "'0x1P-3' is no integer constant"},
      {"kNope", "'kNope' is not defined"},
      {"kSelf", "'kSelf' is a macro's name inside its own replacement, which C leaves a name"},
      {"TWICE", "'TWICE' is a macro with parameters, named without arguments"},
  };
  for (const auto& entry : kCases)
    EXPECT_EQ(PriorityOf(entry.text), "in.r:11: error: " + std::string(entry.message) + "\n") << entry.text;
  // A double-byte character goes on a number whole, as a name's would.
  EXPECT_EQ(ConvertPreprocessed("resource 'Vorl' (1) {\n{\nPriority { 1\x82\xA0 }\n}\n};\n", kLocaleJapanese).err,
            "in.r:3: error: '1\x82\xA0' is no integer constant\n");
}

TEST(Value, EveryNumberOfAStatementIsOne) {
  // Ids, in parentheses of their own; pairs and lists; a filter case's
  // flag; a terminology id; a $$ construct's number.
  const std::string source =
      kMacros +
      "resource 'Vorl' ((kA) * 1000 + 1 << 1, \"Name\" $$Format(\"%d\", kSum * 2)) {\n{\n"
      "FormatMaxSize { { kSum * 2, -kA } },\n"
      "FormatMaxChannels { { TWICE(kSum), 1 ? 2 : 3 } },\n"
      "FilterCaseInfo { { inStraightData, outStraightData, kA | 5, 0, copySourceToDestination,\n" +
      Repeated("inStraightData, outStraightData, 0, 0, copySourceToDestination,\n", 5) +
      "inStraightData, outStraightData, -1 && 0, (1 << 1), doNotCopySourceToDestination } },\n"
      "HasTerminology { 'clas', 'evnt', kA << 4, \"\" },\n"
      "Name { $$Format(\"%d\", TWICE(kSum) + 1) }\n"
      "}\n};\nresource 'LStr' (kA * kA) { { \"x\" } };\n";
  const Conversion result = ConvertPreprocessed(source);
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.script.find("20002  Vorl"), std::string::npos) << result.script;
  EXPECT_NE(result.script.find("\t11, -10,\n"), std::string::npos);
  EXPECT_NE(result.script.find("\t11, 2, "), std::string::npos);
  EXPECT_NE(result.script.find("\"\\x01\\x01\\x0F\\x00\""), std::string::npos);
  EXPECT_NE(result.script.find("\"\\x01\\x01\\x03\\x00\""), std::string::npos);
  EXPECT_NE(result.script.find("\t160, /* Terminology ID */"), std::string::npos);
  EXPECT_NE(result.script.find("\"\\x0212"), std::string::npos);
  EXPECT_NE(result.script.find("100\tLStr"), std::string::npos);
}

}  // namespace
