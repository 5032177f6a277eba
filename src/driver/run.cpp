// The program's entry: the command line, and a run from start to end.
#include "driver/run.h"

#include <cstdio>
#include <vector>

#include "base/diagnostics.h"
#include "base/locale.h"
#include "source/preprocessor.h"

namespace {

constexpr std::size_t kMaxArguments = 20;
constexpr const char* kUsage = "Usage: VorlTool sourcefile destinationfile";

bool IsSeparator(char c) { return static_cast<signed char>(c) <= 32; }

/// A first argument that holds several paths becomes several entries: each run
/// of separators ends an entry and the text after it is appended to the list,
/// while the list holds fewer than 20. Separators at its end add nothing.
std::vector<std::string> SplitArguments(int argc, char** argv) {
  std::vector<std::string> entries(argv, argv + argc);
  if (argc < 2) return entries;
  const std::string first = argv[1];
  std::size_t end = first.size();
  std::size_t pos = 0;
  bool cut = false;
  std::vector<std::string> added;
  while (pos < first.size()) {
    if (!IsSeparator(first[pos]) || entries.size() + added.size() >= kMaxArguments) {
      ++pos;
      continue;
    }
    if (!cut) end = pos;
    cut = true;
    while (pos < first.size() && IsSeparator(first[pos])) ++pos;
    if (pos == first.size()) break;
    const std::size_t start = pos;
    while (pos < first.size() &&
           (!IsSeparator(first[pos]) || entries.size() + added.size() + 1 >= kMaxArguments))
      ++pos;
    added.push_back(first.substr(start, pos - start));
  }
  entries[1] = first.substr(0, end);
  entries.insert(entries.end(), added.begin(), added.end());
  return entries;
}

}  // namespace

int RunVorlTool(int argc, char** argv) {
  int status = 0;
  if (argc >= 2 && IsOption(argv[1])) {
    const OptionsRead read = ReadOptions(argc, argv);
    status = read.input != nullptr ? Run(read.input, read.preprocessing).Convert(read.output)
                                   : read.status;
  } else if (const auto entries = SplitArguments(argc, argv); entries.size() < 3) {
    PrintStdout("%s", kUsage);
    // A path without its partner is a build rule whose destination went
    // missing: the build must stop there, not go on as if it had converted.
    if (argc >= 2) status = 1;
  } else if (RefuseOptionAfterPaths(argc, argv)) {
    status = 1;
  } else {
    status = Run(entries[1]).Convert(entries[2].c_str());
  }
  std::fflush(stdout);
  return status;
}

Run::Run(const std::string& inputPath, const Preprocessing& preprocessing)
    : inputPath_(inputPath),
      lexer_(Locale(DetectLocale(inputPath.c_str()))),
      pToken(lexer_.pToken) {
  StartPreprocessing(preprocessing);
}

Run::Run(std::string_view text, Language language, const Preprocessing& preprocessing)
    : readsText_(true),
      text_(text),
      lexer_(Locale(language)),
      pToken(lexer_.pToken) {
  lexer_.StartSource(SourceReader(text_));
  StartPreprocessing(preprocessing);
}

void Run::StartPreprocessing(const Preprocessing& preprocessing) {
  openFiles_.push_back(inputPath_);
  if (!preprocessing.on) return;
  lexer_.StartPreprocessing(*this);
  includeFolders_ = preprocessing.includeFolders;
  for (const PredefinedMacro& macro : kPredefinedMacros)
    DefineMacroText(lexer_, macro.name, macro.text);
  for (const Preprocessing::MacroOption& macro : preprocessing.macros) {
    if (macro.undefine) lexer_.macros().RemoveMacro(macro.name);
    else DefineMacroText(lexer_, macro.name.c_str(), macro.text.c_str());
  }
}

void Run::OpenInput() {
  if (readsText_) return;
  mainInput_ = disk_.OpenInput(inputPath_.c_str(), platform::InputRule::kNotDirectory);
  if (!mainInput_) FatalErrorFormatted("Unable to open input file: %s\n", inputPath_.c_str());
  lexer_.StartSource(SourceReader(mainInput_.get()));
}

int Run::Attempt(const std::function<void()>& step) {
  try {
    step();
    return 0;
  } catch (const Failure& failure) {
    // The line of the last word read, after everything already written on
    // standard output.
    std::fflush(stdout);
    // A failure inside an included file (preprocessing mode) names it.
    const std::string where = failure.file().empty() ? "" : " in " + failure.file();
    std::fprintf(stderr, "%s, line %ld%s\n", failure.message(), static_cast<long>(pToken->line),
                 where.c_str());
    std::fflush(stderr);
    script_.Discard();
    return 1;
  }
}

int Run::Convert(const char* outputPath) {
  if (Attempt([this] { OpenInput(); }) != 0) return 1;
  if (mainInput_ && mainInput_->IsSameFileAs(outputPath)) {
    PrintStdout("Output file is the input file: %s\n", outputPath);
    return 1;
  }
  if (!script_.OpenOutput(outputPath)) return 1;
  return Attempt([&] {
    ParseStatements();
    script_.Finish();
    // A run over text has no files to name.
    if (!readsText_)
      dependencies_.WriteDependencyFile(inputPath_.c_str(), outputPath);
  });
}
