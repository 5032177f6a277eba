// Preprocessing mode's stage between the files and the lexer: it reads the
// main file and the files it includes as a C preprocessor does (directives,
// conditional groups, macros replaced as text) and hands the lexer the text
// that results, line by line, each line with the line of the main file it
// comes from. The lexer then reads it as it reads a plain source.
//
// It owns the directives, the conditional groups, the macros and their
// expansion, and the stack of open files: an #include pushes a file, whose
// directives are carried out and whose other text is passed over, as a
// header's is (its resource statements and C declarations alike).
//
// Most lines of a source hold no directive, comment or macro: those are
// handed on as they stand, several at a time, straight from the file's
// buffer. Only the others are taken apart into tokens.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/locale.h"
#include "base/platform.h"
#include "preprocess/definitions.h"
#include "preprocess/directives.h"
#include "preprocess/expander.h"
#include "preprocess/hide_sets.h"
#include "preprocess/line_reader.h"
#include "preprocess/pp_scanner.h"
#include "preprocess/quick_look.h"
#include "preprocess/text_arena.h"
#include "source/char_source.h"

/// How preprocessing mode starts: the macros defined or removed before the
/// input is read, in order, and where included files are looked for.
struct PreprocessorSetup {
  /// -D NAME[(PARAMETERS)][=TEXT] (a name and its text) or -U NAME.
  struct MacroOption {
    std::string name;
    std::string text;
    bool undefine = false;
  };
  std::vector<MacroOption> macros;
  /// Folders searched for included files, in order.
  std::vector<std::string> includeFolders;
};

/// Whether `text` can stand before the = of a -D: a name, perhaps followed
/// directly by a parenthesised list of parameters.
bool IsMacroHead(std::string_view text);

class Preprocessor final : public TextFeed, private TokenSource, private ExpansionHooks {
 public:
  /// A stage for input in `locale`'s language, reading files from `disk`.
  /// The macros of `setup` are defined (a malformed one fails).
  Preprocessor(const Locale& locale, platform::Disk& disk, const PreprocessorSetup& setup);
  Preprocessor(const Preprocessor&) = delete;
  Preprocessor& operator=(const Preprocessor&) = delete;

  /// Reads the main file from `file`, named `path` (as given: failures and
  /// __FILE__ name it so). The file must outlive the stage.
  void StartFile(platform::InputFile* file, const std::string& path);
  /// Reads the main file from `text` in memory, named `path`.
  void StartText(std::string_view text, const std::string& path);

  /// The next lines of text for the lexer (TextFeed).
  bool NextText(std::string_view& text, int32_t& line) override;

  /// Calls `visit` with the name of every macro defined now.
  template <class Visit>
  void ForEachMacroName(Visit visit) const {
    macros_.ForEachName(visit);
  }
  /// The macro of that name defined now, or null.
  const MacroDefinition* FindMacro(std::string_view name) const { return macros_.Find(name); }

  /// Every file an #include opened, in the order first opened.
  const std::vector<std::string>& includedFiles() const { return includedFiles_; }

 private:
  /// One file being read: its lines, and the line being taken apart.
  struct OpenFile {
    OpenFile(std::unique_ptr<platform::InputFile> owned, platform::InputFile* input, std::string_view text,
             std::string path, std::size_t groupBase, int folder);
    std::unique_ptr<platform::InputFile> owned;
    LineReader lines;
    std::string path;
    /// The include folder it was found in (its index), or -1: found
    /// otherwise, or the main file. #include_next goes on after it.
    int folder;
    /// The conditional groups open when it was opened.
    std::size_t groupBase;
    /// The line (its physical lines joined where a backslash ends one) being
    /// read, in the arena; where reading stands in it; where the white space
    /// before the next token began.
    std::string_view text;
    std::size_t pos = 0;
    std::size_t gapStart = 0;
    /// A comment stood in that white space.
    bool gapHasComment = false;
    /// A line is being read (text holds it).
    bool inLine = false;
    /// No token of the line has been read yet.
    bool atLineStart = true;
    /// The number of the first physical line of text, and where in text the
    /// physical lines joined to it begin.
    int32_t firstLine = 0;
    std::vector<std::size_t> joins;
  };

  /// An open conditional group: the line and the name of its #if, #ifdef
  /// or #ifndef, and whether its #else was met.
  struct Group {
    int32_t line;
    const char* opener;
    bool sawElse;
  };

  // Reading the top file (preprocessor_files.cpp).
  void PushFile(std::unique_ptr<platform::InputFile> owned, platform::InputFile* input,
                std::string_view text, const std::string& path, int folder = -1);
  /// The next token of the top file: kNewline at each line's end, kEnd at
  /// the file's end. Comments are white space; a comment over several lines
  /// joins them.
  PpToken ReadToken();
  /// Reads the next line of the top file into it; false at its end.
  bool ReadLine(OpenFile& file);
  /// The rest of the top file's line, as tokens.
  std::vector<PpToken> ReadRestOfLine();
  /// Lets a directive's # just read be read again (in a look for a call's ().
  void UnreadLineStart(const PpToken& hash);
  /// The line of the top file that text[pos] stands on.
  int32_t LineAt(const OpenFile& file, std::size_t pos) const;
  /// Where an included file of that name is found, opened, with its path
  /// and the include folder it is in (or -1); null when nowhere. With
  /// `next`, as #include_next looks for it: in the include folders after
  /// the current file's (where the current file was found in one).
  std::unique_ptr<platform::InputFile> FindIncludeFile(const std::string& name, bool angled, bool next,
                                                       std::string& path, int& folder);

  // The lines handed on as they stand (preprocessor.cpp).
  /// Whether the stage is between lines of the main file, with nothing of
  /// an expansion waiting.
  bool BetweenLines() const;
  /// Lines of the main file that need nothing done, from its buffer: false
  /// when the next line needs something.
  bool TakeLinesAsTheyStand(std::string_view& text, int32_t& line);
  /// The next line of text made from tokens; false when it makes none.
  bool MakeLine(std::string_view& text, int32_t& line);
  void Append(const PpToken& token);

  /// The main file's tokens, with the directives carried out (TokenSource).
  PpToken Next(bool lookingForCall) override { return ReadMainFile(lookingForCall, false); }
  /// The main file's next token, with the directives before it carried
  /// out. With `handBack` (a line of its own is wanted, between lines), a
  /// directive there hands back its line's end rather than the next line's
  /// tokens.
  PpToken ReadMainFile(bool lookingForCall, bool handBack);
  // ExpansionHooks.
  std::string_view FileLiteral() override;
  bool HasInclude(const std::string& name, bool angled, bool next) override;

  // Directives (preprocessor_directives.cpp).
  /// With the # of a directive read: carries out the directive.
  void CarryOutDirective();
  /// #if, #ifdef, #elif, #else, #endif and their kin.
  void CarryOutConditional(Directive directive, const std::vector<PpToken>& tokens);
  /// #include, #include_next and #import.
  void Include(Directive directive, const std::vector<PpToken>& tokens);
  /// Whether the condition of the #if, #ifdef, #elif... holds.
  bool ConditionHolds(Directive directive, const std::vector<PpToken>& tokens);
  /// Passes over a group not taken, up to the #else, #elif or #endif that
  /// ends it at this level; with `branchTaken`, only the #endif ends it.
  void SkipGroup(bool branchTaken);
  Group& CurrentGroup(const char* directive);
  /// Fails when the top file leaves a group open.
  void CheckGroupsClosed();
  /// The text of #error and #warning: the line's tokens as written.
  static std::string DirectiveText(const std::vector<PpToken>& tokens);

  const Locale& locale_;
  PpScanner scanner_;
  QuickLook quickLook_;
  platform::Disk& disk_;
  std::vector<std::string> includeFolders_;
  Definitions macros_;
  HideSets hideSets_;
  TextArena arena_;
  ExpansionContext context_;
  Expander expander_;
  std::vector<OpenFile> files_;
  std::vector<Group> groups_;
  /// The line the stage was reading when a failure came: the report's line.
  int32_t line_ = 0;
  /// Files marked #pragma once.
  std::vector<std::string> onceFiles_;
  std::vector<std::string> includedFiles_;
  /// The line of text being made.
  std::string made_;
  /// What the lines handed on as they stand need changed.
  std::vector<QuickLook::Edit> edits_;
  /// The lines with those changes made; it only grows, so its size is the
  /// most it has held, not the length of the text in it.
  std::string edited_;
  /// __FILE__ of the top file, once spelled.
  std::string fileLiteral_;
  bool ended_ = false;
};
