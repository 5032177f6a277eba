// One run of the converter, and the program's entry.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/diagnostics.h"
#include "base/platform.h"
#include "base/writer.h"
#include "driver/depfile.h"
#include "driver/options.h"
#include "preprocess/preprocessor.h"
#include "proplist/word_check.h"
#include "source/lexer.h"
#include "strings/string_pool.h"

/// Runs one conversion as "VorlTool sourcefile destinationfile" and returns
/// the exit status.
int RunVorlTool(int argc, char** argv);

/// One conversion and everything it holds: the main input, the lexer (with
/// the language's predicates, the character source, the macro table and the
/// Token), in preprocessing mode the preprocessor the lexer reads from, the
/// resource script, the string pool, the include depth and the files it
/// included. Nothing is shared between runs, so several may run at once on
/// different threads. The statement loops of the main file and of included
/// files, and the plain reading's directive handling that leads from one to
/// the other, are its members.
class Run final {
 public:
  /// A run over the file at `inputPath`, which Convert opens; the path's
  /// name suffix selects the language.
  explicit Run(const std::string& inputPath, const Preprocessing& preprocessing = {});
  /// A run over `text` in memory, in `language` (kLocaleEnglish and the
  /// others). The text is copied; the run reads it from the start. In
  /// preprocessing mode, failures and __FILE__ name it `name`.
  Run(std::string_view text, Language language, const Preprocessing& preprocessing = {},
      const std::string& name = "");
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  /// Writes the script's strings in the form llvm-rc takes: a byte from 0x80
  /// to 0x9F goes into a 16-bit number with a neighbour (--llvm-rc).
  void WriteScriptForLlvmRc() { script_.WriteForLlvmRc(lexer_.locale()); }

  /// Converts the whole input into the resource script at `outputPath` and
  /// returns the exit status: 0 when complete; 1 after a failure (reported on
  /// standard error with its line, the script removed), and 1 when the output
  /// is the input itself or cannot be created (said on standard output,
  /// nothing removed).
  int Convert(const char* outputPath);

  /// Opens the main input of a run over a file and makes it the lexer's
  /// source (in preprocessing mode, through the preprocessor); fails with
  /// "Unable to open input file: %s\n" when it cannot be read (a directory
  /// neither), in preprocessing mode with the reason after the path:
  /// "Unable to open input file: %s (No such file or directory)".
  void OpenInput();

 private:
  /// The tests' way in (tests/unit/run_for_testing.h): the lexer, the disk,
  /// and the steps below, driven one at a time.
  friend class RunForTesting;

  /// Runs `step` as Convert runs the conversion: a failure is reported as
  /// "<message>, line <n>" on standard error (in preprocessing mode as
  /// "<file>:<line>: error: <message>"), the script (if one was opened)
  /// removed, and 1 returned; 0 when the step completes.
  int Attempt(const std::function<void()>& step);
  /// The report of a failure, as Attempt writes it.
  std::string Report(const Failure& failure) const;

  /// With a TOK_DIRECTIVE current (its name in pToken->name): #define adds a
  /// macro, #include reads the file; every other directive is passed over
  /// with its line. (In preprocessing mode the preprocessor carries out the
  /// directives before the lexer sees the text.)
  void HandleDirective();
  /// Reads an included file through its own statement loop; a file that
  /// cannot be read is only warned about.
  void IncludeFile(const char* path);

  /// The top-level loop over the main file; returns at its end of input.
  void ParseStatements();
  /// With data or resource current: reads the type and hands the statement
  /// to the type's converter, or skips it (every statement of an included file).
  void DispatchResource(bool inIncludedFile);
  /// The loop over an included file; returns at that file's end of input.
  void ParseIncludedStatements();
  void IncludeDirective();

  /// The disk every file of the run is opened, created or removed on.
  platform::Disk disk_;
  std::string inputPath_;
  bool readsText_ = false;
  std::string text_;  ///< the input of a run over text
  std::unique_ptr<platform::InputFile> mainInput_;
  /// Preprocessing mode: whether it is on, and with what.
  Preprocessing preprocessing_;
  Lexer lexer_;
  /// Preprocessing mode's stage, which the lexer reads from.
  std::unique_ptr<Preprocessor> preprocessor_;
  /// Preprocessing mode's check of words that mean nothing where they stand.
  std::unique_ptr<WordCheck> wordCheck_;
  const Token* const pToken;
  ScriptWriter script_{disk_};
  StringPool stringPool_;
  /// Included files open below the main file.
  int includeDepth_ = 0;
  Dependencies dependencies_{disk_};
};
