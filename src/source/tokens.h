// Token classes and the one current-token record.
//
// Class numbers are fixed: parsers compare against them. Every class and its
// number come from keywords.def, the one table of token classes, and the
// compiler refuses a number given twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

enum TokenClass : int32_t {
#define TOKEN(cls, num) cls = num,
#define OPERATOR(text, cls, num, precedence) cls = num,
#define STATEMENT(text, cls, num) cls = num,
#define PROPERTY(word, num, row) KW_##word = num,
#define KIND(word, num, code) KW_##word = num,
#include "source/keywords.def"
};

/// Every class number is below this, so a table indexed by class has room
/// for them all.
inline constexpr int32_t kTokenClassLimit = 128;

/// Whether `numbers` holds a number twice, or one outside 0 to
/// kTokenClassLimit - 1.
constexpr bool TokenNumbersClash(std::span<const int32_t> numbers) {
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (numbers[i] < 0 || numbers[i] >= kTokenClassLimit) return true;
    for (std::size_t j = 0; j < i; ++j)
      if (numbers[j] == numbers[i]) return true;
  }
  return false;
}

namespace token_classes {

/// The number of every class, in the order of the table.
inline constexpr int32_t kNumbers[] = {
#define TOKEN(cls, num) num,
#define OPERATOR(text, cls, num, precedence) num,
#define STATEMENT(text, cls, num) num,
#define PROPERTY(word, num, row) num,
#define KIND(word, num, code) num,
#include "source/keywords.def"
};

// A token is told apart by its number alone: two classes that shared one
// would each be taken for the other.
static_assert(!TokenNumbersClash(kNumbers),
              "keywords.def gives two token classes one number, or one a number past "
              "kTokenClassLimit");

}  // namespace token_classes

/// Whether a token of class `cls` is a word: an identifier or a keyword,
/// whose text the token's name holds.
constexpr bool IsWordClass(int32_t cls) {
  constexpr int32_t kKeywords[] = {
#define STATEMENT(text, cls, num) num,
#define PROPERTY(word, num, row) num,
#define KIND(word, num, code) num,
#include "source/keywords.def"
  };
  if (cls == TOK_IDENT) return true;
  for (const int32_t keyword : kKeywords)
    if (keyword == cls) return true;
  return false;
}

/// Capacity of the identifier buffer: 32 bytes, one more for the second byte of
/// a double-byte character that begins at the 32nd, and the terminator.
constexpr int kIdentMax = 32;
/// The longest string literal, in bytes as written (escapes and all); a
/// longer one fails with "String too long". The string buffer holds as many
/// and the terminator.
constexpr int kStringMax = 65535;
/// The result of the $$ format construct: at most 255 characters.
constexpr int kFormatResultSize = 256;

/// How a number of preprocessing mode is written: a C integer constant, of
/// type int or unsigned int, or none that 32 bits hold. The plain reading's
/// numbers are all kInt.
enum class NumberForm : uint8_t { kInt, kUnsigned, kTooLarge, kMalformed };

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
  /// Of the latest number in preprocessing mode: its form, and its spelling.
  NumberForm form = NumberForm::kInt;
  const char* spelling = nullptr;
};
