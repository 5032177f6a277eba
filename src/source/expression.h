// The two token-level expression evaluators.
#pragma once

#include <cstdint>

class Lexer;

/// Reads an expression for a property value (reads its first token itself).
int32_t VORL_GetExpression(Lexer& lexer);
/// Evaluates a #define's value, starting at the current token, bounded by the
/// definition's line.
int32_t EvaluateMacroValue(Lexer& lexer);
