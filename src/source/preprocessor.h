// The preprocessor's #define and #undef. A directive reaches them as one
// TOK_DIRECTIVE token from a statement loop, which also carries out #include
// and passes over every other directive with its line.
#pragma once

class Lexer;

/// With the define directive current: reads the macro's name and its value
/// on the same line (a string, a number or an expression) and adds the macro.
void DefineMacro(Lexer& lexer);

/// Preprocessing mode, with the define directive current: reads the macro's
/// name and keeps the rest of the line as its text, read where it is used.
/// A name followed at once by ( takes parameters.
void DefineTextMacro(Lexer& lexer);

/// Preprocessing mode, with the undef directive current: removes the macro
/// the line names.
void UndefineMacro(Lexer& lexer);

/// Preprocessing mode, before the input is read: defines `name` as `text`,
/// as #define would (a -D of the command line or a predefined macro).
void DefineMacroText(Lexer& lexer, const char* name, const char* text);
