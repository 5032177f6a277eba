// The two expression evaluators: right grouping, the token each one leaves
// behind, wrapping arithmetic, exact failures and the nesting limit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "source/expression.h"
#include "source/macros.h"
#include "source_text.h"

namespace {

class Evaluators : public TextRunTest {
 protected:
  void DefineNumber(const char* name, int32_t value) {
    Macro* macro = lexer().macros().AddMacro(name);
    macro->kind = kMacroNumber;
    macro->numValue = value;
  }

  /// Loads `text` with kA, kB, kC = 1, 2, 3 and kX = 2 defined.
  void LoadWithMacros(const std::string& text) {
    Load(text);
    DefineNumber("kA", 1);
    DefineNumber("kB", 2);
    DefineNumber("kC", 3);
    DefineNumber("kX", 2);
  }

  int32_t ValueOf(const char* name) {
    const Macro* macro = lexer().macros().LookupMacro(name);
    EXPECT_NE(macro, nullptr) << name;
    return macro != nullptr ? macro->numValue : 0;
  }

  int32_t Evaluate() { return VORL_GetExpression(lexer()); }
};

class GetExpression : public Evaluators {};
class MacroValue : public Evaluators {};

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

TEST_F(GetExpression, OperatorsShareOneLevelAndGroupToTheRight) {
  LoadWithMacros("kA - kB - kC\n");
  EXPECT_EQ(Evaluate(), 2);
  LoadWithMacros("1 - 2 - 3\n");  // folded by the lexer first
  EXPECT_EQ(Evaluate(), -4);
  LoadWithMacros("kX * 3 - 1\n");
  EXPECT_EQ(Evaluate(), 4);
  LoadWithMacros("- kC }\n");
  EXPECT_EQ(Evaluate(), -3);
  LoadWithMacros("kA | kB\n");
  EXPECT_EQ(Evaluate(), 3);
  LoadWithMacros("1 << 4\n");
  EXPECT_EQ(Evaluate(), 16);
  LoadWithMacros("(kA + kB) * kC }\n");
  EXPECT_EQ(Evaluate(), 9);
}

TEST_F(GetExpression, ClosingTokensStayForTheCallerOthersAreConsumed) {
  LoadWithMacros("{ kA + kB } x\n");
  GetToken();
  EXPECT_EQ(Evaluate(), 3);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RBRACE);

  LoadWithMacros("kC ) x\n");
  EXPECT_EQ(Evaluate(), 3);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RPAREN);

  LoadWithMacros("kC");
  EXPECT_EQ(Evaluate(), 3);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_EOF);

  LoadWithMacros("kA , kB ;\n");
  EXPECT_EQ(Evaluate(), 1);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
  EXPECT_EQ(pToken->value, 2);

  // An identifier that names no macro ends the expression and is used up.
  LoadWithMacros("kA unknown kC\n");
  EXPECT_EQ(Evaluate(), 1);
  GetToken();
  EXPECT_EQ(pToken->value, 3);
}

TEST_F(GetExpression, ArithmeticWrapsAt32Bits) {
  Load("kMin / kMinusOne\n");
  DefineNumber("kMin", INT32_MIN);
  DefineNumber("kMinusOne", -1);
  EXPECT_EQ(Evaluate(), INT32_MIN);
  Load("kMin / kTwo\n");
  DefineNumber("kMin", INT32_MIN);
  DefineNumber("kTwo", 2);
  EXPECT_EQ(Evaluate(), INT32_MIN / 2);

  Load("kMax + kOne\n");
  DefineNumber("kMax", INT32_MAX);
  DefineNumber("kOne", 1);
  EXPECT_EQ(Evaluate(), INT32_MIN);

  Load("kOne << kCount\n");
  DefineNumber("kOne", 1);
  DefineNumber("kCount", 33);  // counts are taken modulo 32
  EXPECT_EQ(Evaluate(), 2);

  Load("kSeven / kMinusTwo\n");
  DefineNumber("kSeven", 7);
  DefineNumber("kMinusTwo", -2);
  EXPECT_EQ(Evaluate(), -3);
}

TEST_F(GetExpression, FailuresAreReportedExactly) {
  LoadWithMacros("\nkA < 4\n");
  auto streams = ExpectFailure([&] { Evaluate(); });
  EXPECT_EQ(streams.err, "Expression Too Complex!, line 2\n");

  LoadWithMacros("(kA }\n");
  streams = ExpectFailure([&] { Evaluate(); });
  EXPECT_EQ(streams.err, "VORL_GetExpression: Matching parantheses expected!\n, line 1\n");

  LoadWithMacros("kA / (kB - kB)\n");
  streams = ExpectFailure([&] { Evaluate(); });
  EXPECT_EQ(streams.err, "Division by zero, line 1\n");

  Load("\n\nkText\n");
  GetToken();
  lexer().macros().AddMacro("kText")->kind = kMacroString;
  UngetToken();
  streams = ExpectFailure([&] { Evaluate(); });
  EXPECT_EQ(streams.out, "Line #3 ");
  EXPECT_EQ(streams.err, "Undefined Symbol kText\n, line 3\n");
}

TEST_F(GetExpression, ThousandNestedCallsAreTooComplex) {
  // Each leading minus nests one call: 999 of them make 1,000 calls.
  Load(Repeat("- ", 999) + "1\n");
  EXPECT_EQ(Evaluate(), -1);

  Load(Repeat("- ", 1000) + "1\n");
  const auto streams = ExpectFailure([&] { Evaluate(); });
  EXPECT_EQ(streams.err, "Expression Too Complex!, line 0\n");

  // The failure left no calls counted behind.
  const std::string again = Repeat("( ", 999) + "7" + Repeat(" )", 999);
  lexer().StartSource(SourceReader(again));
  EXPECT_EQ(Evaluate(), 7);
}

TEST_F(MacroValue, ParenthesesNest) {
  LoadWithMacros(
      "#define kNested ((kC))\n"
      "#define kScaled kC * (kB)\n"
      "#define kNegative - kC\n");
  RunDirectives();
  EXPECT_EQ(ValueOf("kNested"), 3);
  EXPECT_EQ(ValueOf("kScaled"), 6);
  EXPECT_EQ(ValueOf("kNegative"), -3);
}

TEST_F(MacroValue, CommaEndsTheValueAndStaysCurrent) {
  LoadWithMacros("#define kList kB, 7\n");
  GetToken();
  GetToken();  // the macro's name
  GetToken();  // the first value token
  EXPECT_EQ(EvaluateMacroValue(lexer()), 2);
  EXPECT_EQ(pToken->eClass, TOK_COMMA);
}

TEST_F(MacroValue, NameWithoutANumberIsAnUndefinedSymbol) {
  // A brace on the next line stands for the last word: the macro being
  // defined, which exists without a value while its value is read.
  Load("#define kA 5\n}\n");
  auto streams = ExpectFailure([&] { RunDirectives(); });
  EXPECT_EQ(streams.out, "Line #1 ");
  EXPECT_EQ(streams.err, "Undefined Symbol kA, line 1\n");

  LoadWithMacros("#define kT \"text\"\n#define kA kC + kT\n");
  streams = ExpectFailure([&] { RunDirectives(); });
  EXPECT_EQ(streams.out, "Line #2 ");
  EXPECT_EQ(streams.err, "Undefined Symbol kT, line 2\n");
}

TEST_F(MacroValue, AValueLineOfManyOperatorsFailsCleanly) {
  // Only a word moves the line on, so signs run on across buffer lines.
  Load("#define kLong " + Repeat("- ", 1000000) + "1\n");
  const auto streams = ExpectFailure([&] { RunDirectives(); });
  EXPECT_EQ(streams.err, "Expression Too Complex!, line 1\n");

  // 999 signs nest 1,000 calls: still allowed, and nothing was left counted.
  const std::string again = "#define kLong " + Repeat("- ", 999) + "1\n";
  lexer().StartSource(SourceReader(again));
  RunDirectives();
  EXPECT_EQ(ValueOf("kLong"), -1);

  // Or and shift nest like the others.
  for (const std::string op : {"| 1 ", "<< 1 "}) {
    Load("#define kLong 1 " + Repeat(op, 1000) + "\n");
    EXPECT_EQ(ExpectFailure([&] { RunDirectives(); }).err, "Expression Too Complex!, line 1\n")
        << op;
  }
}

}  // namespace
