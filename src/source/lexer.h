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
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/locale.h"
#include "source/char_source.h"
#include "source/directives.h"
#include "source/macros.h"
#include "source/tokens.h"

/// Who reads an included file: the run, whose statement loop reads it.
class IncludeReader {
 public:
  /// With an include directive current: reads the file its line names.
  virtual void CarryOutInclude() = 0;

 protected:
  ~IncludeReader() = default;
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
  void StartSource(const SourceReader& source) { source_ = source; }

  /// While it lives, the lexer reads an included source. On the way out,
  /// also when a failure unwinds, the including source goes on at the byte
  /// where it stopped, and a token pushed back meanwhile is forgotten. The
  /// conditional groups of preprocessing mode open and close within it.
  class IncludedSource {
   public:
    IncludedSource(Lexer& lexer, const SourceReader& included)
        : lexer_(lexer), saved_(lexer.source_), savedGroupBase_(lexer.groupBase_) {
      lexer.source_ = included;
      lexer.groupBase_ = lexer.groups_.size();
    }
    ~IncludedSource() {
      lexer_.source_ = saved_;
      lexer_.tokenPushedBack_ = false;
      lexer_.groups_.resize(lexer_.groupBase_);
      lexer_.groupBase_ = savedGroupBase_;
    }
    IncludedSource(const IncludedSource&) = delete;
    IncludedSource& operator=(const IncludedSource&) = delete;

   private:
    Lexer& lexer_;
    SourceReader saved_;
    std::size_t savedGroupBase_;
  };

  /// Turns on preprocessing mode, which reads as a C preprocessor does:
  /// every directive is carried out wherever it stands (a group not taken
  /// is never read; `reader` reads the files of #include, for as long as the
  /// lexer reads), and macros hold their replacement text, read where they
  /// are used. Off, the reading is the plain one.
  void StartPreprocessing(IncludeReader& reader) {
    preprocessing_ = true;
    includeReader_ = &reader;
  }
  bool preprocessing() const { return preprocessing_; }

  /// Reads the rest of the current line, through its line end, as the text
  /// of a directive: comments become a blank (a block comment may go on to
  /// later lines), a backslash at the line end joins the next line, quoted
  /// text is kept as it stands. With `joinAfterOperator`, a text whose last
  /// character is an operator or an opening parenthesis goes on over the
  /// next line, as a plain #define's value does. Blanks around it are cut.
  std::string ReadDirectiveText(bool joinAfterOperator);

  /// What the macro `name` stands for where it is used, as a plain run would
  /// have it: a text macro's text is read here, by the reading of a plain
  /// #define's value. False when no macro has that name.
  bool FindMacroValue(std::string_view name, MacroValue& value);

  /// Calls of the expression evaluators under way (expression.cpp).
  int& evaluatorDepth() { return evaluatorDepth_; }

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
  void ReplaceMacro(Macro& macro);
  /// What `macro` stands for where it is used (a text macro's text is read).
  MacroValue ValueOfMacro(Macro& macro);
  /// A text macro's value: its text read as a plain #define's value.
  MacroValue ReadMacroText(Macro& macro);
  int GetNumber(int byte);
  int SetEndOfFile(int byte);
  int GetDirective(int byte);
  int GetHex(int byte);
  int GetString(int byte);
  int GetLiteral(int byte);
  int GetPunctuation(int byte);
  int GetSlash(int byte);
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

  /// Preprocessing mode, with a directive current: carries it out where it
  /// stands and returns true (lexer_directives.cpp); false inside a macro's text.
  bool CarryOutDirective();
  void CarryOutConditional(Directive directive);
  /// #define: the macro's name, and the rest of the line as its text, read
  /// where it is used. A name followed at once by ( takes parameters.
  void DefineTextMacro();
  /// #undef: removes the macro the line names.
  void UndefineMacro();
  /// The length of the macro name at the start of `text` (0 when there is none).
  std::size_t MacroNameLength(std::string_view text) const;
  /// Whether the #if, #ifdef, #elif... whose text follows holds.
  bool ConditionHolds(Directive directive);
  /// Passes over a group not taken, up to the #else, #elif or #endif that
  /// ends it at this level; with `branchTaken`, only the #endif ends it.
  void SkipGroup(bool branchTaken);
  /// In a group not taken: passes over text up to the next directive and
  /// returns it (its name read, the line left); kEndOfInput's end gives false.
  bool FindSkippedDirective(Directive& directive);
  void SkipStringLiteral();
  void SkipCharacterLiteral();
  /// The innermost open group of this source; fails when there is none.
  struct Group;
  Group& CurrentGroup(const char* directive);
  /// Fails at the end of a source that leaves a group open.
  void CheckGroupsClosed();

  /// Bytes that the loops over words, strings and comments take in runs,
  /// with nothing to do for each but keep or pass it (bits of runClass_).
  enum RunClass : unsigned char {
    kWordRun = 1,          ///< continues a word; not a lead byte
    kStringRun = 2,        ///< stored as it stands; ends nothing, escapes nothing
    kLineCommentRun = 4,   ///< not a line end, end marker or lead byte
    kBlockCommentRun = 8,  ///< not a line feed, *, end marker or lead byte
  };
  /// Passes over the bytes of the line buffer in `cursor` that are of
  /// `runClass`, at most `most` of them, and returns them.
  std::span<const unsigned char> TakeRun(LineCursor& cursor, unsigned char runClass,
                                         std::size_t most = kLineBufferSize) const {
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
  char stringBuffer_[kStringMax + 2] = {};
  char formatResult_[kFormatResultSize] = {};
  /// Format constructs under way at once (a construct's text or number may be one).
  int formatNesting_ = 0;
  int evaluatorDepth_ = 0;

  /// Preprocessing mode, and what it keeps.
  bool preprocessing_ = false;
  Directive directive_ = Directive::kUnknown;
  /// The word after a # is being read: it names a directive and is never a macro.
  bool readingDirectiveName_ = false;
  /// A macro's text is being read as the source: directives there are no directives.
  bool readingMacroText_ = false;
  /// Macro texts read inside one another at once.
  int macroNesting_ = 0;
  /// An open conditional group: the line and the name of its #if, #ifdef or
  /// #ifndef, and whether its #else was met.
  struct Group {
    int32_t line;
    const char* opener;
    bool sawElse;
  };
  std::vector<Group> groups_;
  /// Groups opened in the sources around the current one.
  std::size_t groupBase_ = 0;
  IncludeReader* includeReader_ = nullptr;

  /// Keeps what the Token and its buffers hold while something else is
  /// read (a macro's text, an included file in the middle of a statement),
  /// so that afterwards they hold it again, as if one word had been read.
  class TokenKeeper {
   public:
    explicit TokenKeeper(Lexer& lexer) : lexer_(lexer), token_(lexer.token_) {
      std::memcpy(ident_, lexer.identBuffer_, sizeof ident_);
      std::memcpy(string_, lexer.stringBuffer_, sizeof string_);
      std::memcpy(format_, lexer.formatResult_, sizeof format_);
    }
    /// Gives back what was kept (not on a failure, whose report wants the
    /// line where it happened).
    void Restore() {
      lexer_.token_ = token_;
      std::memcpy(lexer_.identBuffer_, ident_, sizeof ident_);
      std::memcpy(lexer_.stringBuffer_, string_, sizeof string_);
      std::memcpy(lexer_.formatResult_, format_, sizeof format_);
    }

   private:
    Lexer& lexer_;
    Token token_;
    char ident_[kIdentMax + 2];
    char string_[kStringMax + 2];
    char format_[kFormatResultSize];
  };
};
