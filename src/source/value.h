// The numbers statements hold, in preprocessing mode: each a C constant
// expression, computed as C computes it on a 32-bit int.
#pragma once

#include <cstdint>

class Lexer;

/// Reads a number of a statement, from the next token on: a C constant
/// expression over the lexer's C tokens (Lexer::ReadCTokens), computed in
/// int and unsigned int as C computes it (c_expression.h), ending where C's
/// grammar ends it: at a `,`, `}`, `)` or `;` outside its parentheses, or
/// the end of input, which is pushed back. A literal from 0x80000000 to
/// 0xFFFFFFFF (or 2147483648 to 4294967295) is an unsigned int, as in C; a
/// larger one fails, and so do a division by zero, a shift count outside 0
/// to 31, a missing operand, an operator left over, an empty value and a
/// name left once every macro is replaced.
int32_t ReadValue(Lexer& lexer);
