// The plain reading's #define, and the macros preprocessing mode starts
// with. A plain run's directive reaches DefineMacro as one TOK_DIRECTIVE
// token from a statement loop, which also carries out #include and passes
// over every other directive with its line. (In preprocessing mode the lexer
// carries out the directives itself: lexer_directives.cpp.)
#pragma once

class Lexer;

/// With the define directive current: reads the macro's name and its value
/// on the same line (a string, a number or an expression) and adds the macro.
void DefineMacro(Lexer& lexer);

/// Preprocessing mode, before the input is read: defines `name` as `text`,
/// as #define would (a -D of the command line or a predefined macro).
void DefineMacroText(Lexer& lexer, const char* name, const char* text);
