// The #if conditions of preprocessing mode, over a table of expressions
// whose value C gives (checked against a C preprocessor when written), and
// the refusals with their exact messages.
#include <gtest/gtest.h>

#include <string>

#include "stage_text.h"

namespace {

class Condition : public ::testing::Test {
 protected:
  void SetUp() override {
    Define("kVer", "0x20000");
    Define("kSelf", "kSelf + 1");
    Define("kPing", "kPong");
    Define("kPong", "kPing + 2");
    Define("kEmpty", "");
    Define("kMinus", "-");
    Define("F(x)", "((x)+1)");
  }
  void Define(const std::string& head, const std::string& text) {
    definitions_ += "#define " + head + " " + text + "\n";
  }
  /// Whether the condition holds, and "" or the failure's message.
  bool Holds(const std::string& text, std::string& refusal) const {
    const StageResult result =
        Preprocess(definitions_ + "#if " + text + "\nyes\n#else\nno\n#endif\n");
    refusal = MessageOf(result.failure);
    return result.text == "yes\n";
  }
  std::string Refusal(const std::string& text) const {
    std::string refusal;
    Holds(text, refusal);
    return refusal;
  }

  std::string definitions_;
};

TEST_F(Condition, HoldsAsCEvaluatesIt) {
  const struct {
    const char* text;
    bool holds;
  } kCases[] = {
      // Literals: octal, hexadecimal, binary, suffixes, character constants.
      {"010 == 8", true}, {"0x1F == 31 && 0X1f == 31", true}, {"0b101 == 5", true},
      {"10u == 10 && 7L == 7 && 3ull == 3 && 4LLU == 4", true}, {"0", false}, {"00", false},
      {"'a' == 97 && '\\t' == 9 && '\\r' == 13 && '\\a' == 7 && '\\b' == 8", true},
      {"'\\f' == 12 && '\\v' == 11 && '\\e' == 27 && '\\\\' == 92 && '\\'' == 39", true},
      {"'\\0' == 0 && '\\377' == -1 && '\\xff' == -1 && L'\\xff' == 255 && u'a' == 97", true},
      {"'abcd' == 0x61626364 && '\\x12\\x34' == 0x1234", true},
      // Precedence and associativity.
      {"1 + 2 * 3 == 7 && (1 + 2) * 3 == 9 && 10 - 4 - 3 == 3 && 64 / 4 / 2 == 8", true},
      {"1 << 2 + 1 == 8 && 1 | 2 ^ 3 & 4 == 3 && 5 > 3 == 1", true},
      {"0 || 1 && 0", false}, {"1 ? 0 : 1 ? 1 : 1", false}, {"(0 ? 1 : 2) == 2", true},
      // Unary operators, signed and unsigned arithmetic.
      {"-1 < 0 && -1 > 0u && ~0u == 0xFFFFFFFFFFFFFFFF && !5 == 0 && +-+1 == -1", true},
      {"-7 / 2 == -3 && -7 % 2 == -1 && 7u / 2 == 3 && 7u % 2 == 1", true},
      {"-9223372036854775807 - 1 < 0 && (-9223372036854775807 - 1) / -1 < 0", true},
      {"(-9223372036854775807 - 1) % -1 == 0 && 18446744073709551615 == -1", true},
      {"-8 >> 1 == -4 && 1 << 63 < 0 && 1u << 63 > 0 && 1 << 64 == 0 && -1 >> 64 == -1", true},
      {"1 >> 64 == 0 && 4 << -1 == 2 && 4 >> -1 == 8 && 2 >= 2 && 2 <= 1 == 0 && 1 != 1 == 0", true},
      {"1 << 18446744073709551615u == 0", true},
      // Short circuits: the side not evaluated may divide by zero.
      {"0 && 1 / 0", false}, {"1 || 1 % 0", true}, {"1 ? 2 : 1 / 0", true}, {"0 ? 1 / 0 : 0", false},
      // Macros and defined; a macro with parameters but no arguments is a name.
      {"kVer > 0x10000", true}, {"kSelf == 1", true}, {"kPing == 2", true}, {"kUnknown == 0", true},
      {"defined kVer && defined(kEmpty) && defined ( F ) && !defined kUnknown", true},
      {"kMinus 1 == -1", true}, {"F == 0", true}, {"F(1) == 2 && F(F(2)) == 4", true},
      // defined and __has_include where a macro puts them.
      {"kHasVer", true},
      // Names of every spelling are names; blanks of every kind are blanks.
      {"$x == 0 && _X == 0 && \xc3\xa9 == 0 && L == 0 && U == 0 && u == 0", true},
      {"1\f==\v1\r", true},
      // More literals and operands of both signs.
      {"0B11 == 3 && 0xab == 171 && 0XAB == 171 && 5LL == 5 && 5lu == 5 && 5Lu == 5", true},
      {"'\\18' == 0x138 && '\\x41g' == 0x4167 && '\\1234' == 0x5334", true},
      {"(1 ? 1u : 2) - 2 > 0 && (0 ? 1 : 2u) == 2", true},
      {"0 && (1 && 1 / 0) || 1 || (0 || 1 / 0)", true},
      {"1 << (-9223372036854775807 - 1) == 0 && 0xFFFFFFFFFFFFFFFF >> 63 == 1 && 1 << 2u == 4", true},
      {"(-9223372036854775807 - 1) / 2 < 0 && -1 / -1 == 1 && ~1 == -2", true},
  };
  Define("kHasVer", "defined(kVer) && !defined kNone");
  for (const auto& entry : kCases) {
    std::string refusal;
    EXPECT_EQ(Holds(entry.text, refusal), entry.holds) << entry.text;
    EXPECT_EQ(refusal, "") << entry.text;
  }
}

TEST_F(Condition, RefusalsSayWhatIsWrong) {
  const struct {
    std::string text;
    const char* message;
  } kCases[] = {
      {"", "Empty expression in #if"},
      {"  kEmpty ", "Empty expression in #if"},
      {"(1", "Malformed expression in #if"},
      {"1 +", "Malformed expression in #if"},
      {"1 2", "Malformed expression in #if"},
      {"1 = 1", "Malformed expression in #if"},
      {"\"text\"", "Malformed expression in #if"},
      {"1 ? 2", "Malformed expression in #if"},
      {"defined", "Malformed expression in #if"},
      {"defined(kVer", "Malformed expression in #if"},
      {"defined 1", "Malformed expression in #if"},
      {"08", "Malformed expression in #if"},
      {"0x", "Malformed expression in #if"},
      {"1.5", "Malformed expression in #if"},
      {"12abc", "Malformed expression in #if"},
      {"1uu", "Malformed expression in #if"},
      {"''", "Malformed expression in #if"},
      {"'a", "Malformed expression in #if"},
      {"'\\", "Malformed expression in #if"},
      {"'\\x'", "Malformed expression in #if"},
      {"1e+5", "Malformed expression in #if"},
      {"1p-3", "Malformed expression in #if"},
      {"0b", "Malformed expression in #if"},
      {"1lL", "Malformed expression in #if"},
      {"'\\x41", "Malformed expression in #if"},
      {"'\\1", "Malformed expression in #if"},
      {"* 1", "Malformed expression in #if"},
      {"defined(kVer x", "Malformed expression in #if"},
      // C's -- is one token, which #if knows nothing of.
      {std::string(300, '-') + "1", "Malformed expression in #if"},
      {"18446744073709551616", "Integer constant too large in #if"},
      {"1 / 0", "Division by zero in #if"},
      {"1 % (2 - 2)", "Division by zero in #if"},
      {"F(1, 2)", "Macro F takes 1 argument, not 2"},
      {"F(1", "Unterminated argument list of macro F"},
      {"__has_include", "__has_include expects (\"file\") or (<file>)"},
      {"__has_include(x)", "__has_include expects (\"file\") or (<file>)"},
      {std::string(100000, '('), "Malformed expression in #if"},
      {"1 ? 2 : 3 : 4", "Malformed expression in #if"},
      {"1)", "Malformed expression in #if"},
      {"(1 ? 2)", "Malformed expression in #if"},
  };
  for (const auto& entry : kCases) EXPECT_EQ(Refusal(entry.text), entry.message) << entry.text;
}

TEST_F(Condition, NestsToAnyDepthWithoutExhaustingTheStack) {
  // A hundred thousand levels of each kind that nests; and a chain of
  // macros each standing for the next, a thousand deep.
  constexpr int kDeep = 100000;
  for (int i = 0; i < 1000; ++i) Define("kChain" + std::to_string(i), "kChain" + std::to_string(i + 1));
  Define("kChain1000", "7");
  const std::string kCases[] = {
      Repeated("- ", kDeep) + "1 == 1",
      Repeated("!", kDeep + 1) + "0",
      std::string(kDeep, '(') + "1" + std::string(kDeep, ')'),
      Repeated("1 ? ", kDeep) + "1" + Repeated(" : 0", kDeep),
      Repeated("0 ? 0 : ", kDeep) + "1",
      Repeated("1 + (", kDeep) + "1" + std::string(kDeep, ')') + " == 100001",
      "kChain0 == 7",
  };
  for (const std::string& text : kCases) {
    std::string refusal;
    EXPECT_TRUE(Holds(text, refusal)) << text.substr(0, 40);
    EXPECT_EQ(refusal, "") << text.substr(0, 40);
  }
}

}  // namespace
