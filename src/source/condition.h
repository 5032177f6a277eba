// The #if and #elif conditions of preprocessing mode, evaluated as C
// evaluates them: intmax_t arithmetic (uintmax_t where an operand is
// unsigned), C's precedence and associativity, `defined`, C integer literals
// and character constants, short circuits. A name that is no macro is 0; a
// macro stands for its replacement text, read at this point.
#pragma once

#include <string_view>

class MacroTable;

/// Whether the condition `text` (the rest of the directive's line) holds.
/// `directive` ("if" or "elif") names the directive in failure messages.
bool EvaluateCondition(std::string_view text, MacroTable& macros, const char* directive);
