// The plain reading's #define. A plain run's directive reaches DefineMacro
// as one TOK_DIRECTIVE token from a statement loop, which also carries out
// #include and passes over every other directive with its line.
// (Preprocessing mode has a stage of its own: preprocessor.h.)
#pragma once

class Lexer;

/// With the define directive current: reads the macro's name and its value
/// on the same line (a string, a number or an expression) and adds the macro.
void DefineMacro(Lexer& lexer);
