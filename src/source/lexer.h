// The table-driven lexer: one current Token, one token of push-back.
//
// A lexer owns what reading one run's input takes: the language's predicates,
// the current character source, the macro table whose names it replaces, the
// Token and its buffers. Every byte value selects a handler, or none for
// white space; a handler either completes the current token or hands back the
// next byte to dispatch, so white space, comments, $ lines and runs of # are
// passed over in the one dispatch loop of GetToken, never by recursion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/locale.h"
#include "source/char_source.h"
#include "source/macros.h"
#include "source/tokens.h"

/// What preprocessing mode says of a word left where a number must stand,
/// once the stage has replaced every macro. The check of words above the
/// lexer answers (it knows the stage's macros); the number readers ask.
class NameCheck {
 public:
  /// Fails, naming the word and what it most likely was meant to be.
  [[noreturn]] virtual void RefuseName(const Token& word) const = 0;

 protected:
  ~NameCheck() = default;
};

class Lexer {
 public:
  /// A lexer for input in `locale`'s language, with an empty macro table. It
  /// reads from an empty source until StartSource gives it one.
  explicit Lexer(const Locale& locale);
  Lexer(const Lexer&) = delete;
  Lexer& operator=(const Lexer&) = delete;

  /// The current token, filled by GetToken.
  Token* const pToken = &token_;

  /// Reads the next token into *pToken (or returns the pushed-back one).
  void GetToken();
  /// Pushes back the current token; a second push-back is a failure.
  void UngetToken();
  /// True when the current token is a four-character literal that holds four
  /// characters; shorter literals are refused by the property parsers.
  bool IsFourCharLiteral() const;

  /// Skips raw input up to and including the next byte c, counting lines and
  /// passing over double-byte characters whole; stops quietly before the end
  /// of input. Cancels a pending token push-back.
  void SkipToCharacter(int c);
  /// Skips one statement (through its semicolon, or to the next resource keyword).
  void SkipStatement();
  /// Skips to the brace closing the block whose opening brace was just read.
  void SkipBlock();

  /// Makes `source` the current source.
  void StartSource(const SourceReader& source) {
    source_ = source;
    // Where a line feed inside a string is counted (CountLineFeedInString),
    // no run of a string's bytes takes one along.
    if (source.CountsLineFeedsInStrings())
      runClass_[static_cast<unsigned char>('\n')] &= static_cast<unsigned char>(~kStringRun);
  }

  /// While it lives, the lexer reads an included source. On the way out,
  /// also when a failure unwinds, the including source goes on at the byte
  /// where it stopped, and a token pushed back meanwhile is forgotten.
  class IncludedSource {
   public:
    IncludedSource(Lexer& lexer, const SourceReader& included) : lexer_(lexer), saved_(lexer.source_) {
      lexer.source_ = included;
    }
    ~IncludedSource() {
      lexer_.source_ = saved_;
      lexer_.tokenPushedBack_ = false;
    }
    IncludedSource(const IncludedSource&) = delete;
    IncludedSource& operator=(const IncludedSource&) = delete;

   private:
    Lexer& lexer_;
    SourceReader saved_;
  };

  /// Calls of the expression evaluators under way (expression.cpp).
  int& evaluatorDepth() { return evaluatorDepth_; }

  /// Reads a number of a statement where it stands (preprocessing mode's
  /// ReadValue, value.h).
  using ValueReader = int32_t (*)(Lexer& lexer);
  /// Preprocessing mode: from now on the lexer reads numbers and operators
  /// as C does, a number for each literal (with its form and spelling) and a
  /// token for each operator, where the plain reading folds digit
  /// arithmetic into one number and passes over bytes it has no use for.
  /// `reader` reads the number of a $$ construct.
  void ReadCTokens(ValueReader reader);
  /// Whether the lexer reads C's tokens.
  bool ReadsCTokens() const { return valueReader_ != nullptr; }

  /// In preprocessing mode, what the number readers ask about a word left
  /// where a number must stand; null in the plain reading.
  const NameCheck* nameCheck() const { return nameCheck_; }
  void SetNameCheck(const NameCheck* nameCheck) { nameCheck_ = nameCheck; }

  SourceReader& source() { return source_; }
  const Locale& locale() const { return locale_; }
  MacroTable& macros() { return macros_; }

 private:
  /// What a handler leaves behind: a finished token, or a byte to dispatch next.
  static constexpr int kTokenDone = -1;
  /// A # was read: the token that follows becomes a directive.
  static constexpr int kDirectivePending = -2;

  /// The handlers are members; the table holds each as a plain function, so a
  /// dispatch is one indirect call.
  using Handler = int (*)(Lexer& lexer, int byte);
  template <int (Lexer::*handler)(int)>
  static int Call(Lexer& lexer, int byte) {
    return (lexer.*handler)(byte);
  }

  int VORL_GetKeywordOrLabel(int byte);
  /// Replaces the word just read by the value of `macro`, as the Token's
  /// number or string.
  void ReplaceMacro(const Macro& macro);
  int GetNumber(int byte);
  int SetEndOfFile(int byte);
  int GetDirective(int byte);
  int GetHex(int byte);
  int GetString(int byte);
  int GetLiteral(int byte);
  int GetPunctuation(int byte);
  int GetSlash(int byte);
  // Preprocessing mode's (lexer_c.cpp).
  int GetCNumber(int byte);
  bool GetPlainNumber(int byte);
  bool GetPlainHexOrZero();
  int GetCOperator(int byte);
  void SkipBlockComment();
  void SkipLineComment();

  /// Reads a byte, counting a line feed, as GetToken does before dispatching.
  int ReadCountedByte() {
    const int byte = source_.GetCharacter();
    if (byte == '\n') source_.AdvanceLine();
    return byte;
  }

  /// The number scanner (lexer_number.cpp), called with the first digit:
  /// folds simple arithmetic on the same line into one number.
  static int32_t ScanNumber(SourceReader& source, int firstDigit);
  /// The $$ format construct (lexer_format.cpp), called after the second $:
  /// leaves a string token whose text is the formatted number.
  void ScanFormatConstruct();
  int32_t GetIntegerOrLong();

  /// Bytes that the loops over words, strings and comments take in runs,
  /// with nothing to do for each but keep or pass it (bits of runClass_).
  enum RunClass : unsigned char {
    kWordRun = 1,          ///< continues a word; not a lead byte
    kStringRun = 2,        ///< stored as it stands; ends nothing, escapes nothing
    kLineCommentRun = 4,   ///< not a line end, end marker or lead byte
    kBlockCommentRun = 8,  ///< not a line feed, *, end marker or lead byte
    kNumberRun = 16,       ///< continues a C number (but for a sign); not a lead byte
  };
  /// Passes over the bytes of the stretch in `cursor` that are of
  /// `runClass`, at most `most` of them, and returns them.
  std::span<const unsigned char> TakeRun(SourceCursor& cursor, unsigned char runClass,
                                         std::size_t most = SIZE_MAX) const {
    return cursor.TakeWhile([&](unsigned char byte) { return runClass_[byte] & runClass; }, most);
  }

  SourceReader source_;
  Token token_;
  bool tokenPushedBack_ = false;
  /// The handler of each byte that starts a token or a comment; null for white space.
  Handler charClass_[256];
  unsigned char runClass_[256];
  Locale locale_;
  MacroTable macros_;
  char identBuffer_[kIdentMax + 2] = {};
  /// The string buffer: kStringMax bytes and the terminator, allocated
  /// once, with the lexer, and written before it is read (left as it comes,
  /// so a run of short strings touches only its first page).
  std::unique_ptr<char[]> stringBuffer_ = std::make_unique_for_overwrite<char[]>(kStringMax + 1);
  char formatResult_[kFormatResultSize] = {};
  /// Format constructs under way at once (a construct's text or number may be one).
  int formatNesting_ = 0;
  int evaluatorDepth_ = 0;
  ValueReader valueReader_ = nullptr;
  /// The spelling of the latest number of preprocessing mode: a longer one
  /// is read whole and kept cut, which makes it too large.
  static constexpr std::size_t kNumberSpellingMax = 511;
  char numberBuffer_[kNumberSpellingMax + 1] = {};
  const NameCheck* nameCheck_ = nullptr;
};
