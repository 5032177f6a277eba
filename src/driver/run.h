// One run of the converter, and the program's entry.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/platform.h"
#include "base/writer.h"
#include "driver/depfile.h"
#include "driver/options.h"
#include "source/lexer.h"
#include "strings/string_pool.h"

/// Runs one conversion as "VorlTool sourcefile destinationfile" and returns
/// the exit status.
int RunVorlTool(int argc, char** argv);

/// One conversion and everything it holds: the main input, the lexer (with
/// the language's predicates, the character source, the macro table and the
/// Token), the resource script, the string pool, the include depth and the
/// files it included. Nothing is shared between runs, so several may run at
/// once on different threads. The statement loops of the main file and of
/// included files, and the directive handling that leads from one to the
/// other, are its members.
class Run final : private IncludeReader {
 public:
  /// A run over the file at `inputPath`, which Convert opens; the path's
  /// name suffix selects the language.
  explicit Run(const std::string& inputPath, const Preprocessing& preprocessing = {});
  /// A run over `text` in memory, in `language` (kLocaleEnglish and the
  /// others). The text is copied; the run reads it from the start.
  Run(std::string_view text, Language language, const Preprocessing& preprocessing = {});
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  /// Converts the whole input into the resource script at `outputPath` and
  /// returns the exit status: 0 when complete; 1 after a failure (reported on
  /// standard error with its line, the script removed), and 1 when the output
  /// is the input itself or cannot be created (said on standard output,
  /// nothing removed).
  int Convert(const char* outputPath);

  /// Opens the main input of a run over a file and makes it the lexer's
  /// source; fails with "Unable to open input file: %s\n" when it cannot be
  /// read (a directory neither). A run over text has its source from the start.
  void OpenInput();

 private:
  /// The tests' way in (tests/unit/run_for_testing.h): the lexer, the disk,
  /// and the steps below, driven one at a time.
  friend class RunForTesting;

  /// Runs `step` as Convert runs the conversion: a failure is reported as
  /// "<message>, line <n>" on standard error, the script (if one was opened)
  /// removed, and 1 returned; 0 when the step completes.
  int Attempt(const std::function<void()>& step);

  /// With a TOK_DIRECTIVE current (its name in pToken->name): #define adds a
  /// macro, #include reads the file; every other directive is passed over
  /// with its line. (In preprocessing mode the lexer carries out every
  /// directive itself, and hands #include to CarryOutInclude.)
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
  /// Preprocessing mode's #include "file" and #include <file>, found in the
  /// include folders, wherever the directive stands.
  void CarryOutInclude() override;
  /// Where an included file of that name is found: for "file", as named
  /// (from the working folder, as a plain run has it), in the including
  /// file's folder, then in the include folders; for <file>, in the include
  /// folders only. Empty when it is nowhere.
  std::string FindIncludeFile(const std::string& name, bool angled);
  /// Sets up preprocessing mode: the predefined macros, then the options'.
  void StartPreprocessing(const Preprocessing& preprocessing);

  /// The disk every file of the run is opened, created or removed on.
  platform::Disk disk_;
  std::string inputPath_;
  bool readsText_ = false;
  std::string text_;  ///< the input of a run over text
  std::unique_ptr<platform::InputFile> mainInput_;
  Lexer lexer_;
  const Token* const pToken;
  ScriptWriter script_{disk_};
  StringPool stringPool_;
  /// Included files open below the main file.
  int includeDepth_ = 0;
  /// Preprocessing mode's include folders.
  std::vector<std::string> includeFolders_;
  /// The paths of the files being read, the main input first.
  std::vector<std::string> openFiles_;
  Dependencies dependencies_{disk_};
};
