// Token classes and the one current-token record.
//
// Class numbers are fixed: parsers compare against them, and the keyword
// classes come from keywords.def, the single table of every keyword.
#pragma once

#include <cstdint>

enum TokenClass : int32_t {
  TOK_NONE = 0,
  TOK_DIRECTIVE = 9,
  TOK_EOF = 10,
  TOK_LITERAL = 16,
  TOK_NUMBER = 17,
  TOK_COMMA = 18,
  TOK_COLON = 19,
  TOK_SEMICOLON = 20,
  TOK_IDENT = 21,
  TOK_LBRACE = 22,
  TOK_RBRACE = 23,
  TOK_STRING = 24,
  TOK_GREATER = 25,
  TOK_LESS = 26,
  TOK_PLUS = 27,
  TOK_MINUS = 28,
  TOK_STAR = 29,
  TOK_SLASH = 30,
  TOK_LPAREN = 31,
  TOK_RPAREN = 32,
  TOK_BANG = 34,
  TOK_BAR = 35,
#define STATEMENT(text, cls, num) cls = num,
#define PROPERTY(word, num, parser) KW_##word = num,
#define KIND(word, num, code) KW_##word = num,
#include "source/keywords.def"
};

/// Capacity of the identifier buffer: 32 bytes, one more for the second byte of
/// a double-byte character that begins at the 32nd, and the terminator.
constexpr int kIdentMax = 32;
/// Capacity of the string buffer: 256 bytes, one more for the second byte of an
/// escape or double-byte character that begins at the 256th, and the terminator.
constexpr int kStringMax = 256;
/// The result of the $$ format construct: at most 255 characters.
constexpr int kFormatResultSize = 256;

/// The current token of a lexer. A token overwrites only its own fields;
/// parsers rely on the others keeping what earlier tokens left there (the id
/// in `value`, the line of the last word in `line`).
struct Token {
  int32_t eClass = TOK_NONE;
  char code[12] = {};   ///< four-character literal, at most 4 bytes + NUL
  int32_t line = 0;     ///< line of the latest identifier or keyword
  char* name = nullptr; ///< latest identifier or keyword
  char* text = nullptr; ///< latest string: string buffer or format result
  int32_t value = 0;    ///< latest number or numeric macro value
};
