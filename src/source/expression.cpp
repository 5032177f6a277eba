// The two token-level expression evaluators. Neither knows precedence: an
// operator takes the whole rest of the expression as its right operand, so
// A - B - C is A - (B - C). Arithmetic is 32-bit two's complement and wraps.
#include "source/expression.h"

#include <cstdint>
#include <optional>

#include "base/diagnostics.h"
#include "source/lexer.h"
#include "source/macros.h"

namespace {

/// Calls of the evaluators that may be under way at once. Each operator and
/// each parenthesis nests one call, so a long value line fails cleanly here
/// instead of exhausting the stack. The lexer counts them.
constexpr int kMaxEvaluatorDepth = 1000;

/// Applies the operator token class `op` (+ - * / | and << for TOK_LESS).
int32_t Combine(int32_t left, int32_t op, int32_t right) {
  const uint32_t l = static_cast<uint32_t>(left);
  const uint32_t r = static_cast<uint32_t>(right);
  switch (op) {
    case TOK_PLUS: return static_cast<int32_t>(l + r);
    case TOK_MINUS: return static_cast<int32_t>(l - r);
    case TOK_STAR: return static_cast<int32_t>(l * r);
    case TOK_SLASH:
      if (right == 0) FatalError("Division by zero");
      if (left == INT32_MIN && right == -1) return INT32_MIN;
      return left / right;
    case TOK_BAR: return static_cast<int32_t>(l | r);
    case TOK_LESS: return static_cast<int32_t>(l << (r & 31u));
    default: return left;
  }
}

/// The value of the macro named by the most recent word, or none. A macro without a
/// numeric value there is an undefined symbol: "Line #n " goes to standard
/// output before the failure.
std::optional<int32_t> NumericMacroOfName(Lexer& lexer, bool withLineEnd) {
  const Token* pToken = lexer.pToken;
  if (pToken->name == nullptr) return std::nullopt;
  const Macro* macro = lexer.macros().LookupMacro(pToken->name);
  if (macro == nullptr) return std::nullopt;
  if (macro->kind == kMacroNumber) return macro->numValue;
  PrintStdout("Line #%d ", pToken->line);
  if (withLineEnd) FatalErrorFormatted("Undefined Symbol %s\n", pToken->name);
  FatalErrorFormatted("Undefined Symbol %s", pToken->name);
}

int32_t GetExpression(Lexer& lexer) {
  NestingGuard level(lexer.evaluatorDepth(), kMaxEvaluatorDepth, "Expression Too Complex!");
  const Token* pToken = lexer.pToken;
  int32_t accumulator = 0;
  lexer.GetToken();
  while (pToken->eClass != TOK_EOF) {
    const int32_t cls = pToken->eClass;
    switch (cls) {
      case TOK_NUMBER:
        accumulator = pToken->value;
        break;
      case TOK_IDENT: {
        const std::optional<int32_t> macro = NumericMacroOfName(lexer, true);
        if (!macro) return accumulator;
        accumulator = *macro;
        break;
      }
      case TOK_PLUS:
      case TOK_MINUS:
      case TOK_STAR:
      case TOK_SLASH:
      case TOK_BAR:
        accumulator = Combine(accumulator, cls, GetExpression(lexer));
        break;
      case TOK_LESS:
        lexer.GetToken();
        if (pToken->eClass != TOK_LESS) FatalError("Expression Too Complex!");
        accumulator = Combine(accumulator, TOK_LESS, GetExpression(lexer));
        break;
      case TOK_LPAREN:
        accumulator = GetExpression(lexer);
        lexer.GetToken();
        if (pToken->eClass != TOK_RPAREN) {
          FailIn("VORL_GetExpression", "Matching parantheses expected!\n");
        }
        break;
      case TOK_RBRACE:
      case TOK_RPAREN:
        lexer.UngetToken();
        return accumulator;
      default:
        return accumulator;
    }
    lexer.GetToken();
  }
  lexer.UngetToken();
  return accumulator;
}

int32_t ValueOfDefinition(Lexer& lexer) {
  NestingGuard level(lexer.evaluatorDepth(), kMaxEvaluatorDepth, "Expression Too Complex!");
  const Token* pToken = lexer.pToken;
  int32_t accumulator = 0;
  const int32_t definitionLine = pToken->line;
  while (pToken->line == definitionLine && pToken->eClass != TOK_EOF) {
    const int32_t cls = pToken->eClass;
    switch (cls) {
      case TOK_NUMBER:
        accumulator = pToken->value;
        break;
      case TOK_COMMA:
      case TOK_RPAREN:
        return accumulator;
      case TOK_LESS:
        lexer.GetToken();
        if (pToken->eClass != TOK_LESS) FatalError("Expression Too Complex!");
        [[fallthrough]];
      case TOK_PLUS:
      case TOK_MINUS:
      case TOK_STAR:
      case TOK_SLASH:
      case TOK_BAR:
        lexer.GetToken();
        accumulator = Combine(accumulator, cls, ValueOfDefinition(lexer));
        // The right operand is the whole rest of the value: where it stopped
        // at a comma or a closing parenthesis, so does this operator, and the
        // token stays current for the one who opened the parenthesis.
        if (pToken->eClass == TOK_COMMA || pToken->eClass == TOK_RPAREN) return accumulator;
        break;
      case TOK_LPAREN:
        lexer.GetToken();
        accumulator = ValueOfDefinition(lexer);
        if (pToken->eClass != TOK_RPAREN) FatalError("Matching parantheses expected");
        break;
      default:
        // Any other token stands for the most recent word: a numeric macro
        // of that name sets the value, an unknown name adds nothing.
        if (const std::optional<int32_t> macro = NumericMacroOfName(lexer, false)) accumulator = *macro;
        break;
    }
    lexer.GetToken();
  }
  lexer.UngetToken();
  return accumulator;
}

}  // namespace

int32_t VORL_GetExpression(Lexer& lexer) { return GetExpression(lexer); }

int32_t EvaluateMacroValue(Lexer& lexer) { return ValueOfDefinition(lexer); }
