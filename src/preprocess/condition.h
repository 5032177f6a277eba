// The #if and #elif conditions of preprocessing mode, evaluated as C
// evaluates them: intmax_t arithmetic (uintmax_t where an operand is
// unsigned), C's precedence and associativity, C integer literals and
// character constants, short circuits.
#pragma once

#include <vector>

#include "preprocess/pp_token.h"

/// Whether the condition holds, given its tokens with every macro replaced
/// and `defined` and `__has_include` evaluated (a name left is 0).
/// `directive` ("if" or "elif") names the directive in failure messages.
bool EvaluateCondition(const std::vector<PpToken>& tokens, const char* directive);
