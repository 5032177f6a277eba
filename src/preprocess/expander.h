// Macro expansion as C does it: a name that is a macro is replaced by its
// replacement list, its arguments (read across lines and nested parentheses,
// each expanded first unless it stands beside # or ##) put in for its
// parameters, # making a string of an argument and ## pasting two tokens
// into one; then the result is read again with what follows it, and a
// macro is never replaced inside its own replacement (hide sets).
//
// An expander reads from a token source (the main file, the tokens of a
// directive) and hands out tokens with every macro replaced, one at a time:
// a replacement waits on a stack and is read from there, so a macro whose
// text grows with every level costs memory only for the levels under way.
// The arguments of a call are expanded by the same loop, a call whose
// arguments are under way waiting on a stack of its own: calls nest to any
// depth without the call stack growing, bounded only by the text they make.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/definitions.h"
#include "preprocess/hide_sets.h"
#include "preprocess/pp_scanner.h"
#include "preprocess/pp_token.h"
#include "preprocess/text_arena.h"

/// Where an expander's tokens come from.
class TokenSource {
 public:
  /// The next token, or kEnd. While the ( of a call is looked for over the
  /// line's end (`lookingForCall`), a directive's line is not read: kEnd is
  /// given for it, and it is read after.
  virtual PpToken Next(bool lookingForCall) = 0;

 protected:
  ~TokenSource() = default;
};

/// A list of tokens as a source.
class TokenList final : public TokenSource {
 public:
  explicit TokenList(const std::vector<PpToken>& tokens) : tokens_(tokens) {}
  PpToken Next(bool) override { return next_ < tokens_.size() ? tokens_[next_++] : PpToken{}; }

 private:
  const std::vector<PpToken>& tokens_;
  std::size_t next_ = 0;
};

/// What only the preprocessor knows, asked for by expansion.
class ExpansionHooks {
 public:
  /// __FILE__: the file being read, spelled as a string literal.
  virtual std::string_view FileLiteral() = 0;
  /// __has_include: whether an #include of that name here would find a
  /// file; __has_include_next (`next`), an #include_next.
  virtual bool HasInclude(const std::string& name, bool angled, bool next) = 0;

 protected:
  ~ExpansionHooks() = default;
};

/// What every expansion of one run shares, with the bounds on it.
struct ExpansionContext {
  Definitions& macros;
  HideSets& hideSets;
  TextArena& arena;
  const PpScanner& scanner;
  ExpansionHooks& hooks;
  /// Bytes of text made by the use of a macro that the file's text holds
  /// (with everything its arguments became), and by the whole run (with the
  /// tokens copied into the arguments of calls inside arguments); and the
  /// bytes of the files read so far, which the run's bound grows with.
  std::size_t producedInUse = 0;
  std::size_t producedInRun = 0;
  std::size_t sourceBytes = 0;
};

class Expander {
 public:
  enum class Mode {
    kText,       ///< the file's text, and the operand of #include
    kCondition,  ///< #if and #elif: defined, __has_include and __has_include_next are operators
  };
  /// An expander for the file's text (`outermost`) counts each use of a
  /// macro in it against the bound on one use; one under it does not.
  /// `directive` names #if or #elif in messages.
  Expander(ExpansionContext& context, TokenSource& source, Mode mode, bool outermost,
           const char* directive = "if")
      : context_(context), source_(source), mode_(mode), outermost_(outermost),
        directive_(directive) {}
  Expander(const Expander&) = delete;
  Expander& operator=(const Expander&) = delete;

  /// The next token with every macro replaced; kEnd at the source's end.
  PpToken Next() { return Take(Pull(false)); }
  /// The same, with `token` the source's next (read by the caller, the
  /// expander being idle).
  PpToken Take(PpToken token);
  /// Whether no replacement is waiting to be read.
  bool Idle() const { return pending_.empty() && calls_.empty(); }

  /// The text a use of `macro` becomes where finding it needs no tokens: a
  /// macro without parameters, whose replacement holds no ## and whose names
  /// are no macros, or such macros in their turn, none inside its own
  /// replacement. The tokens are spelt as the preprocessor writes them, a
  /// blank where white space stood or where they would run together. False
  /// for any other macro: its uses are expanded token by token.
  static bool Flatten(Definitions& macros, const MacroDefinition& macro, std::string& text);

  /// All of `tokens`, expanded, as one list.
  static std::vector<PpToken> ExpandAll(ExpansionContext& context, const std::vector<PpToken>& tokens,
                                        Mode mode, const char* directive = "if");

 private:
  using Arguments = std::vector<std::vector<PpToken>>;

  /// A use of a macro, to be replaced once the arguments its parameters
  /// want expanded are: those are expanded one after the other, each read
  /// from the call with the replacements made inside it waiting here.
  struct Call {
    PpToken name;
    const MacroDefinition* macro = nullptr;
    Arguments arguments;
    uint32_t hideSet = 0;
    bool variadicOmitted = false;
    /// The arguments to expand, in order, and each one's expansion.
    std::vector<std::size_t> wanted;
    std::vector<std::vector<PpToken>> expanded;
    /// The one under way (of `wanted`), how far it is read, and the
    /// replacements made in it still to be read.
    std::size_t next = 0;
    std::size_t read = 0;
    std::vector<PpToken> pending;
  };

  /// The replacements waiting to be read where reading stands: in the
  /// argument under way, or else in the source's text.
  std::vector<PpToken>& Waiting() { return calls_.empty() ? pending_ : calls_.back().pending; }
  PpToken Pull(bool lookingForCall);
  /// With `token` read: where it is a macro's name (and a call, for one with
  /// parameters), begins its replacement and returns true; else leaves it
  /// as it stands, or as the operator or builtin macro it is makes it.
  bool BeginReplacement(PpToken& token);
  /// With the name of a function-like macro read: reads its call, or puts
  /// back what was read when no ( follows; false then. A variadic macro's
  /// variable arguments the call leaves out (`variadicOmitted`) are empty.
  bool ReadCall(const PpToken& name, const MacroDefinition& macro, Arguments& arguments, PpToken& closing,
                bool& variadicOmitted);
  /// With the ( of a call read: reads its arguments through the ) that
  /// closes it (`closing`).
  void ReadArguments(const PpToken& name, const MacroDefinition& macro, Arguments& arguments, PpToken& closing);
  /// The replacement of `call`, once its arguments are expanded, put on the
  /// stack of what waits to be read.
  void Replace(Call& call);
  /// With the ## at `i` of `call`'s replacement (`hashHash`): pastes its
  /// right operand onto the end of `made`; `i` goes on to the operand.
  void PasteRight(const Call& call, const PpToken& hashHash, std::size_t& i, std::vector<PpToken>& made);
  /// With the argument under way read whole: goes on with the next one, or
  /// replaces the call.
  void ArgumentExpanded();
  PpToken Builtin(const PpToken& name, const MacroDefinition& macro);
  PpToken Stringize(const std::vector<PpToken>& argument, const PpToken& hash);
  PpToken Paste(const PpToken& left, const PpToken& right);
  /// defined NAME, defined(NAME), __has_include(...), __has_include_next(...): 1 or 0.
  PpToken ReadDefined(const PpToken& name);
  PpToken ReadHasInclude(const PpToken& name);
  PpToken Made(const PpToken& like, PpKind kind, std::string_view text);
  /// Counts `bytes` of made text against the bounds; and bytes of tokens
  /// copied into a call's arguments inside an argument, against the run's.
  void Produce(std::size_t bytes, int32_t line);
  void CountCopied(std::size_t bytes, int32_t line);

  ExpansionContext& context_;
  TokenSource& source_;
  Mode mode_;
  bool outermost_;
  const char* directive_;
  /// Replacements waiting to be read, the next token last.
  std::vector<PpToken> pending_;
  /// Calls whose arguments are being expanded, the innermost last.
  std::vector<Call> calls_;
};

/// The file an #include or __has_include names, from its (expanded)
/// tokens: "name" or <name>, the part between the quotes or brackets.
/// False when the tokens are neither.
bool HeaderName(const std::vector<PpToken>& tokens, std::string& name, bool& angled);
