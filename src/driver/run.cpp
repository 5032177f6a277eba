// The program's entry: command line, start-up, and the end of a run.
#include "driver/run.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/depfile.h"
#include "driver/diagnostics.h"
#include "driver/locale.h"
#include "driver/statements.h"
#include "driver/writer.h"
#include "source/char_source.h"
#include "source/lexer.h"
#include "source/macros.h"
#include "source/preprocessor.h"
#include "strings/lstr.h"

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

void Convert(const std::vector<std::string>& entries) {
  const char* input = entries[1].c_str();
  const char* output = entries[2].c_str();
  SelectLocale(DetectLocale(input));
  OpenInput(input);
  if (MainInput()->IsSameFileAs(output)) {
    PrintStdout("Output file is the input file: %s\n", output);
    throw EarlyExit{1};
  }
  OpenOutput(output);
  InitLexer();
  ParseStatements();
  FinishOutput();
  WriteDependencyFile(input, output);
}

}  // namespace

void ResetRunState() {
  ResetWriter();
  ResetDependencies();
  ResetSource();
  ResetLexer();
  ResetMacros();
  ResetPreprocessor();
  ResetLStr();
  SelectLocale(kLocaleEnglish);
}

int RunVorlTool(int argc, char** argv) {
  ResetRunState();
  int status = 0;
  if (argc < 2) {
    PrintStdout("%s", kUsage);
  } else if (const auto entries = SplitArguments(argc, argv); entries.size() < 3) {
    PrintStdout("%s", kUsage);
  } else {
    try {
      Convert(entries);
    } catch (const FatalExit&) {
      DiscardOutput();
      status = 1;
    } catch (const EarlyExit& early) {
      status = early.status;
    }
  }
  std::fflush(stdout);
  ResetRunState();
  return status;
}
