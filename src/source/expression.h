// The two token-level expression evaluators.
#pragma once

#include <cstdint>

/// Reads an expression for a property value (reads its first token itself).
int32_t VORL_GetExpression();
/// Evaluates a #define's value, starting at the current token, bounded by the
/// definition's line.
int32_t EvaluateMacroValue();
/// Forgets the evaluators' nesting counts (a new run starts at depth 0).
void ResetEvaluators();
