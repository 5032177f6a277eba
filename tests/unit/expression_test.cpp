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

/// Carries out the #define lines at the start of the source.
void RunDirectives() {
  for (GetToken(); pToken->eClass == TOK_DIRECTIVE; GetToken()) HandleDirective();
  UngetToken();
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

TEST(GetExpression, IdentifierNamingANumericMacroGivesItsValue) {
  // A word scanned before its macro existed still reaches the evaluator as
  // an identifier.
  LoadSource("kLate }\n");
  GetToken();
  DefineNumber("kLate", 42);
  UngetToken();
  EXPECT_EQ(VORL_GetExpression(), 42);
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

  LoadSource("kMax * kMax\n");
  DefineNumber("kMax", INT32_MAX);
  EXPECT_EQ(VORL_GetExpression(), 1);

  LoadSource("kOne << kCount\n");
  DefineNumber("kOne", 1);
  DefineNumber("kCount", 33);  // counts are taken modulo 32
  EXPECT_EQ(VORL_GetExpression(), 2);

  LoadSource("kOne << 31\n");
  DefineNumber("kOne", 1);
  EXPECT_EQ(VORL_GetExpression(), INT32_MIN);

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

TEST(MacroValue, OperatorsGroupToTheRightAndParenthesesNest) {
  LoadWithMacros(
      "#define kGroup kA - kB - kC\n"
      "#define kSum (1+2)\n"
      "#define kNested ((kC))\n"
      "#define kScaled kC * (kB)\n"
      "#define kNegative - kC\n"
      "#define kUnknown someWord\n");
  RunDirectives();
  EXPECT_EQ(MacroValue("kGroup"), 2);
  EXPECT_EQ(MacroValue("kSum"), 3);
  EXPECT_EQ(MacroValue("kNested"), 3);
  EXPECT_EQ(MacroValue("kScaled"), 6);
  EXPECT_EQ(MacroValue("kNegative"), -3);
  EXPECT_EQ(MacroValue("kUnknown"), 0);
}

TEST(MacroValue, ValueRunsUntilTheNextWord) {
  // Numbers and punctuation on later lines still belong to the value.
  LoadWithMacros(
      "#define kLater kC\n"
      "  + 2\n"
      "\n"
      "#define kNext kA\n"
      "resource\n");
  RunDirectives();
  EXPECT_EQ(MacroValue("kLater"), 5);
  EXPECT_EQ(MacroValue("kNext"), 1);
  GetToken();
  EXPECT_EQ(pToken->eClass, TOK_RESOURCE);
}

TEST(MacroValue, CommaEndsTheValueAndStaysCurrent) {
  LoadWithMacros("#define kList kB, 7\n");
  GetToken();
  GetToken();  // the macro's name
  GetToken();  // the first value token
  EXPECT_EQ(EvaluateMacroValue(), 2);
  EXPECT_EQ(pToken->eClass, TOK_COMMA);
}

TEST(MacroValue, FailuresAreReportedExactly) {
  // The macro being defined exists, value-less, while its value is read.
  LoadSource("// header\n#define kA 5;\n");
  auto streams = ExpectFailure(RunDirectives);
  EXPECT_EQ(streams.out, "Line #2 ");
  EXPECT_EQ(streams.err, "Undefined Symbol kA, line 2\n");

  LoadSource("#define kA 5\n}\n");
  streams = ExpectFailure(RunDirectives);
  EXPECT_EQ(streams.err, "Undefined Symbol kA, line 1\n");

  LoadSource("#define kA (1+2\nresource\n");
  streams = ExpectFailure(RunDirectives);
  EXPECT_EQ(streams.err, "Matching parantheses expected, line 2\n");

  LoadWithMacros("#define kZero 0\n#define kA kC / kZero\n");
  streams = ExpectFailure(RunDirectives);
  EXPECT_EQ(streams.err, "Division by zero, line 2\n");

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
}

}  // namespace
