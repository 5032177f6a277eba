// The preprocessor. A directive reaches it as one TOK_DIRECTIVE token from a
// statement loop. #define adds a macro, #include reads another file through
// its own statement loop; every other directive (the conditional ones too) is
// passed over with its line, so both branches of a conditional are read.
#include "source/preprocessor.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "driver/depfile.h"
#include "driver/diagnostics.h"
#include "driver/statements.h"
#include "source/char_source.h"
#include "source/expression.h"
#include "source/lexer.h"
#include "source/macros.h"

namespace {

/// Included files that may be open below the main file at once; an include
/// chain that leads back to itself ends here.
constexpr int kMaxIncludeDepth = 32;

int gIncludeDepth = 0;

/// Numeric macro values are signed 16-bit: the low 16 bits, sign-extended.
int32_t CutToSigned16(int32_t value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value)));
}

bool DirectiveIs(const char* word) {
  return pToken->name != nullptr && std::strcmp(pToken->name, word) == 0;
}

/// Makes an opened include file the current source while its statements are
/// read. On the way out, also when a failure unwinds, the file is closed and
/// the including file goes on at the byte where it stopped.
class IncludedSource {
 public:
  explicit IncludedSource(std::unique_ptr<platform::InputFile> file)
      : file_(std::move(file)), saved_(SaveSource()) {
    StartSource(file_.get());
    ++gIncludeDepth;
  }
  ~IncludedSource() {
    RestoreSource(saved_);
    --gIncludeDepth;
  }
  IncludedSource(const IncludedSource&) = delete;
  IncludedSource& operator=(const IncludedSource&) = delete;

 private:
  std::unique_ptr<platform::InputFile> file_;
  SourceReader saved_;
};


}  // namespace

void HandleDirective() {
  if (DirectiveIs("define")) {
    DefineMacro();
  } else if (DirectiveIs("include")) {
    IncludeDirective();
  } else {
    SkipToCharacter('\n');
  }
}

void DefineMacro() {
  // Read while the directive is current, so the name is never replaced.
  GetToken();
  const int32_t nameLine = pToken->line;
  // The entry exists, value-less, while its value is read: a value that names
  // the macro itself is therefore an undefined symbol.
  Macro* macro = AddMacro(pToken->name != nullptr ? pToken->name : "");
  GetToken();
  if (pToken->line != nameLine) {
    UngetToken();
    return;
  }
  if (pToken->eClass == TOK_STRING) {
    macro->stringValue = pToken->text != nullptr ? pToken->text : "";
    macro->kind = kMacroString;
    return;
  }
  const int32_t value = EvaluateMacroValue();
  macro->numValue = CutToSigned16(value);
  macro->kind = kMacroNumber;
}

void IncludeDirective() {
  if (pToken->eClass == TOK_DIRECTIVE) {
    GetToken();
    if (pToken->eClass == TOK_STRING && pToken->text != nullptr) {
      // The included file's strings reuse the buffer the path lives in.
      const std::string path = pToken->text;
      IncludeFile(path.c_str());
    }
  }
  SkipToCharacter('\n');
}

void IncludeFile(const char* path) {
  // Only a regular file is read: a directory, a pipe or a device is treated
  // like a missing file (a pipe could otherwise block the run).
  auto file = platform::InputFile::Open(path, platform::InputRule::kRegularFile);
  if (file == nullptr) {
    PrintStdout("Warning:Unable to open include file \"%s\"\n", path);
    return;
  }
  if (gIncludeDepth >= kMaxIncludeDepth) FatalError("Include nesting too deep");
  NoteIncludedFile(path);
  IncludedSource source(std::move(file));
  ParseIncludedStatements();
}

void ResetPreprocessor() {
  gIncludeDepth = 0;
  ResetEvaluators();
}
