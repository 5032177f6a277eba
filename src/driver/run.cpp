// The program's entry: the command line, and a run from start to end.
#include "driver/run.h"

#include <cstdio>
#include <vector>

#include "base/diagnostics.h"
#include "base/locale.h"
#include "source/value.h"

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
    status = read.status;
    if (read.input != nullptr) {
      Run run(read.input, read.preprocessing);
      if (read.forLlvmRc) run.WriteScriptForLlvmRc();
      status = run.Convert(read.output);
    }
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
      preprocessing_(preprocessing),
      lexer_(Locale(DetectLocale(inputPath.c_str()))),
      pToken(lexer_.pToken) {}

Run::Run(std::string_view text, Language language, const Preprocessing& preprocessing,
         const std::string& name)
    : inputPath_(name),
      readsText_(true),
      text_(text),
      preprocessing_(preprocessing),
      lexer_(Locale(language)),
      pToken(lexer_.pToken) {
  if (!preprocessing.on) lexer_.StartSource(SourceReader(text_));
}

void Run::OpenInput() {
  // A plain run over text reads it from the start.
  if (readsText_ && !preprocessing_.on) return;
  if (!readsText_) {
    platform::OpenFailure why = platform::OpenFailure::kNone;
    mainInput_ = disk_.OpenInput(inputPath_.c_str(), platform::InputRule::kNotDirectory, &why);
    // Preprocessing mode reports as compilers do, and says why.
    if (!mainInput_ && preprocessing_.on)
      FatalErrorFormatted("Unable to open input file: %s (%s)", inputPath_.c_str(),
                          platform::OpenFailureText(why));
    if (!mainInput_) FatalErrorFormatted("Unable to open input file: %s\n", inputPath_.c_str());
  }
  if (!preprocessing_.on) {
    lexer_.StartSource(SourceReader(mainInput_.get()));
    return;
  }
  // The predefined macros, then the options' in their order.
  PreprocessorSetup setup;
  for (const PredefinedMacro& macro : kPredefinedMacros) setup.macros.push_back({macro.name, macro.text});
  setup.macros.insert(setup.macros.end(), preprocessing_.macros.begin(), preprocessing_.macros.end());
  setup.includeFolders = preprocessing_.includeFolders;
  preprocessor_ = std::make_unique<Preprocessor>(lexer_.locale(), disk_, setup);
  if (readsText_) preprocessor_->StartText(text_, inputPath_);
  else preprocessor_->StartFile(mainInput_.get(), inputPath_);
  lexer_.StartSource(SourceReader(preprocessor_.get()));
  wordCheck_ = std::make_unique<WordCheck>(*preprocessor_, inputPath_);
  lexer_.SetNameCheck(wordCheck_.get());
  lexer_.ReadCTokens(&ReadValue);
}

int Run::Attempt(const std::function<void()>& step) {
  try {
    step();
    return 0;
  } catch (const Failure& failure) {
    // After everything already written on standard output.
    std::fflush(stdout);
    std::fputs(Report(failure).c_str(), stderr);
    std::fflush(stderr);
    script_.Discard();
    return 1;
  }
}

std::string Run::Report(const Failure& failure) const {
  const long line = failure.line() >= 0 ? failure.line() : pToken->line;
  if (!preprocessing_.on) {
    // The line of the last word read.
    return std::string(failure.message()) + ", line " + std::to_string(line) + "\n";
  }
  // As compilers report, for editors and build logs to read: the file, the
  // line where there is one, the message without a line end of its own.
  std::string message = failure.message();
  if (!message.empty() && message.back() == '\n') message.pop_back();
  const std::string& file = failure.file().empty() ? inputPath_ : failure.file();
  return file + (line > 0 ? ":" + std::to_string(line) : "") + ": error: " + message + "\n";
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
    if (!readsText_) {
      if (preprocessor_)
        for (const std::string& path : preprocessor_->includedFiles())
          dependencies_.NoteIncludedFile(path.c_str());
      dependencies_.WriteDependencyFile(inputPath_.c_str(), outputPath);
    }
  });
}
