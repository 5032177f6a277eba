// The two expression evaluators: right grouping, the token each one leaves
// behind, wrapping arithmetic, exact failures and the nesting limit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "source/expression.h"
#include "source/macros.h"
#include "source/preprocessor.h"
#include "source_text.h"

namespace {

void DefineNumber(const char* name, int32_t value) {
  Macro* macro = AddMacro(name);
  macro->kind = kMacroNumber;
  macro->numValue = value;
}

/// Loads `text` with kA, kB, kC = 1, 2, 3 and kX = 2 defined.
void LoadWithMacros(const std::string& text) {
  LoadSource(text);
  DefineNumber("kA", 1);
  DefineNumber("kB", 2);
  DefineNumber("kC", 3);
  DefineNumber("kX", 2);
}

int32_t MacroValue(const char* name) {
  const Macro* macro = LookupMacro(name);
  EXPECT_NE(macro, nullptr) << name;
  return macro != nullptr ? macro->numValue : 0;
}

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(GetExpression, OperatorsShareOneLevelAndGroupToTheRight) {
  LoadWithMacros("kA - kB - kC\n");
  EXPECT_EQ(VORL_GetExpression(), 2);
  LoadWithMacros("1 - 2 - 3\n");  // folded by the lexer first
  EXPECT_EQ(VORL_GetExpression(), -4);
  LoadWithMacros("kX * 3 - 1\n");
  EXPECT_EQ(VORL_GetExpression(), 4);
  LoadWithMacros("- kC }\n");
  EXPECT_EQ(VORL_GetExpression(), -3);
  LoadWithMacros("kA | kB\n");
  EXPECT_EQ(VORL_GetExpression(), 3);
  LoadWithMacros("1 << 4\n");
  EXPECT_EQ(VORL_GetExpression(), 16);
  LoadWithMacros("(kA + kB) * kC }\n");
  EXPECT_EQ(VORL_GetExpression(), 9);
}

TEST(GetExpression, ClosingTokensStayForTheCallerOthersAreConsumed) {
  LoadWithMacros("{ kA + kB } x\n");
  GetToken();
  EXPECT_EQ(VORL_GetExpression(), 3);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RBRACE);

  LoadWithMacros("kC ) x\n");
  EXPECT_EQ(VORL_GetExpression(), 3);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RPAREN);

  LoadWithMacros("kC");
  EXPECT_EQ(VORL_GetExpression(), 3);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_EOF);

  LoadWithMacros("kA , kB ;\n");
  EXPECT_EQ(VORL_GetExpression(), 1);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_NUMBER);
  EXPECT_EQ(pToken->value, 2);

  // An identifier that names no macro ends the expression and is used up.
  LoadWithMacros("kA unknown kC\n");
  EXPECT_EQ(VORL_GetExpression(), 1);
  GetToken();
  EXPECT_EQ(pToken->value, 3);
}

TEST(GetExpression, ArithmeticWrapsAt32Bits) {
  LoadSource("kMin / kMinusOne\n");
  DefineNumber("kMin", INT32_MIN);
  DefineNumber("kMinusOne", -1);
  EXPECT_EQ(VORL_GetExpression(), INT32_MIN);

  LoadSource("kMax + kOne\n");
  DefineNumber("kMax", INT32_MAX);
  DefineNumber("kOne", 1);
  EXPECT_EQ(VORL_GetExpression(), INT32_MIN);

  LoadSource("kOne << kCount\n");
  DefineNumber("kOne", 1);
  DefineNumber("kCount", 33);  // counts are taken modulo 32
  EXPECT_EQ(VORL_GetExpression(), 2);

  LoadSource("kSeven / kMinusTwo\n");
  DefineNumber("kSeven", 7);
  DefineNumber("kMinusTwo", -2);
  EXPECT_EQ(VORL_GetExpression(), -3);
}

TEST(GetExpression, FailuresAreReportedExactly) {
  LoadWithMacros("\nkA < 4\n");
  auto streams = ExpectFailure([] { VORL_GetExpression(); });
  EXPECT_EQ(streams.err, "Expression Too Complex!, line 2\n");

  LoadWithMacros("(kA }\n");
  streams = ExpectFailure([] { VORL_GetExpression(); });
  EXPECT_EQ(streams.err, "VORL_GetExpression: Matching parantheses expected!\n, line 1\n");

  LoadWithMacros("kA / (kB - kB)\n");
  streams = ExpectFailure([] { VORL_GetExpression(); });
  EXPECT_EQ(streams.err, "Division by zero, line 1\n");

  LoadSource("\n\nkText\n");
  GetToken();
  AddMacro("kText")->kind = kMacroString;
  UngetToken();
  streams = ExpectFailure([] { VORL_GetExpression(); });
  EXPECT_EQ(streams.out, "Line #3 ");
  EXPECT_EQ(streams.err, "Undefined Symbol kText\n, line 3\n");
}

TEST(GetExpression, ThousandNestedCallsAreTooComplex) {
  // Each leading minus nests one call: 999 of them make 1,000 calls.
  LoadSource(Repeat("- ", 999) + "1\n");
  EXPECT_EQ(VORL_GetExpression(), -1);

  LoadSource(Repeat("- ", 1000) + "1\n");
  const auto streams = ExpectFailure([] { VORL_GetExpression(); });
  EXPECT_EQ(streams.err, "Expression Too Complex!, line 0\n");

  // The failure left no calls counted behind.
  OpenInput(WriteSourceFile("again.r", Repeat("( ", 999) + "7" + Repeat(" )", 999)).c_str());
  EXPECT_EQ(VORL_GetExpression(), 7);
}

TEST(MacroValue, ParenthesesNest) {
  LoadWithMacros(
      "#define kNested ((kC))\n"
      "#define kScaled kC * (kB)\n"
      "#define kNegative - kC\n");
  RunDirectives();
  EXPECT_EQ(MacroValue("kNested"), 3);
  EXPECT_EQ(MacroValue("kScaled"), 6);
  EXPECT_EQ(MacroValue("kNegative"), -3);
}

TEST(MacroValue, CommaEndsTheValueAndStaysCurrent) {
  LoadWithMacros("#define kList kB, 7\n");
  GetToken();
  GetToken();  // the macro's name
  GetToken();  // the first value token
  EXPECT_EQ(EvaluateMacroValue(), 2);
  EXPECT_EQ(pToken->eClass, TOK_COMMA);
}

TEST(MacroValue, NameWithoutANumberIsAnUndefinedSymbol) {
  // A brace on the next line stands for the last word: the macro being
  // defined, which exists without a value while its value is read.
  LoadSource("#define kA 5\n}\n");
  auto streams = ExpectFailure(RunDirectives);
  EXPECT_EQ(streams.out, "Line #1 ");
  EXPECT_EQ(streams.err, "Undefined Symbol kA, line 1\n");

  LoadWithMacros("#define kT \"text\"\n#define kA kC + kT\n");
  streams = ExpectFailure(RunDirectives);
  EXPECT_EQ(streams.out, "Line #2 ");
  EXPECT_EQ(streams.err, "Undefined Symbol kT, line 2\n");
}

TEST(MacroValue, AValueLineOfManyOperatorsFailsCleanly) {
  // Only a word moves the line on, so signs run on across buffer lines.
  LoadSource("#define kLong " + Repeat("- ", 1000000) + "1\n");
  const auto streams = ExpectFailure(RunDirectives);
  EXPECT_EQ(streams.err, "Expression Too Complex!, line 1\n");

  // 999 signs nest 1,000 calls: still allowed, and nothing was left counted.
  OpenInput(WriteSourceFile("again.r", "#define kLong " + Repeat("- ", 999) + "1\n").c_str());
  RunDirectives();
  EXPECT_EQ(MacroValue("kLong"), -1);

  // Or and shift nest like the others.
  for (const std::string op : {"| 1 ", "<< 1 "}) {
    LoadSource("#define kLong 1 " + Repeat(op, 1000) + "\n");
    EXPECT_EQ(ExpectFailure(RunDirectives).err, "Expression Too Complex!, line 1\n") << op;
  }
}

}  // namespace
