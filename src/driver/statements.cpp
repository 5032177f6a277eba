// The statement loops: the main file's, which converts or skips each
// statement, and the included files', which only reads their directives. The
// two meet in the plain reading's directive handling: an #include runs the
// included files' loop from inside either one.
#include <cstdint>
#include <string>

#include "base/diagnostics.h"
#include "driver/run.h"
#include "preprocess/directives.h"
#include "proplist/property_list.h"
#include "source/plain_define.h"
#include "source/resource_types.h"
#include "strings/lstr.h"

namespace {

/// Included files that may be open below the main file at once; an include
/// chain that leads back to itself ends here.
constexpr int kMaxIncludeDepth = 32;

}  // namespace

void Run::ParseStatements() {
  for (lexer_.GetToken(); pToken->eClass != TOK_EOF; lexer_.GetToken()) {
    switch (pToken->eClass) {
      case TOK_DATA:
      case TOK_RESOURCE:
        DispatchResource(false);
        break;
      case TOK_DIRECTIVE:
        HandleDirective();
        break;
      case TOK_READ:
        break;
      case TOK_LITERAL:
        lexer_.SkipStatement();
        break;
      default:
        // Unknown words, stray punctuation, numbers and strings go with their
        // line; an include statement outside a directive has no effect.
        lexer_.SkipToCharacter('\n');
        break;
    }
  }
}

void Run::DispatchResource(bool inIncludedFile) {
  lexer_.GetToken();
  // Resources of included files are never converted.
  const ResourceType& type = inIncludedFile ? kSkippedResource : FindResourceType(pToken->code);
  switch (type.converter) {
    case ResourceConverter::kPropertyList:
      PropertyList(lexer_, script_, wordCheck_.get()).ConvertVorl(type.code);
      break;
    case ResourceConverter::kStringList:
      ConvertLStr(lexer_, script_, stringPool_, type.code);
      break;
    case ResourceConverter::kSkip:
      lexer_.SkipStatement();
      break;
  }
}

void Run::ParseIncludedStatements() {
  int32_t previous = TOK_EOF;
  for (lexer_.GetToken(); pToken->eClass != TOK_EOF; lexer_.GetToken()) {
    const int32_t current = pToken->eClass;
    const bool changed = current != previous;
    switch (current) {
      case TOK_DATA:
      case TOK_RESOURCE:
        DispatchResource(true);
        break;
      case TOK_DIRECTIVE:
        if (changed) PrintStdout("Parsing Directive\n");
        HandleDirective();
        break;
      case TOK_INCLUDE:
        if (changed) PrintStdout("Parsing Include\n");
        lexer_.SkipToCharacter('\n');
        break;
      case TOK_READ:
        if (changed) PrintStdout("Parsing Read\n");
        break;
      case TOK_LITERAL:
        if (changed) PrintStdout("Parsing Type\n");
        lexer_.SkipStatement();
        break;
      default:
        PrintStdout("UnknownToken: %s Line# %d\n", pToken->name ? pToken->name : "",
                    pToken->line);
        FatalError("Help 2");
    }
    previous = current;
  }
}

void Run::HandleDirective() {
  // A plain run knows two directives and reads both sides of conditionals.
  const char* name = pToken->name != nullptr ? pToken->name : "";
  const Directive directive = LookupDirective(name);
  if (directive == Directive::kDefine) DefineMacro(lexer_);
  else if (directive == Directive::kInclude) IncludeDirective();
  else lexer_.SkipToCharacter('\n');
}

void Run::IncludeDirective() {
  lexer_.GetToken();
  if (pToken->eClass == TOK_STRING && pToken->text != nullptr) {
    // The included file's strings reuse the buffer the path lives in.
    const std::string path = pToken->text;
    IncludeFile(path.c_str());
  }
  lexer_.SkipToCharacter('\n');
}

void Run::IncludeFile(const char* path) {
  // Only a regular file is read: a directory, a pipe or a device is treated
  // like a missing file (a pipe could otherwise block the run).
  auto file = disk_.OpenInput(path, platform::InputRule::kRegularFile);
  if (file == nullptr) {
    PrintStdout("Warning:Unable to open include file \"%s\"\n", path);
    return;
  }
  NestingGuard level(includeDepth_, kMaxIncludeDepth, "Include nesting too deep");
  dependencies_.NoteIncludedFile(path);
  Lexer::IncludedSource source(lexer_, SourceReader(file.get()));
  ParseIncludedStatements();
}
