// Test helpers: runs over text in memory, driven by hand or converted whole,
// and captured standard streams.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/locale.h"
#include "driver/run.h"
#include "run_for_testing.h"
#include "source/lexer.h"

/// A random tag drawn once per test process, which keeps apart the files of
/// test programs (and builds) that run at the same time.
inline const std::string& ProcessTag() {
  static const std::string tag = [] {
    std::random_device random;
    return std::to_string(random()) + std::to_string(random());
  }();
  return tag;
}

/// Writes `text` to a file of its own in the test's temporary folder and
/// returns its path: for the files a run includes, and for outputs. `name`
/// keeps the files of one test apart; the process tag keeps apart test
/// processes that run at the same time.
inline std::string WriteSourceFile(const std::string& name, const std::string& text) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  const std::string path = testing::TempDir() + "vorl_" + ProcessTag() + "_" +
                           info->test_suite_name() + "_" + info->name() + "_" + name;
  std::ofstream(path, std::ios::binary) << text;
  // Removed when the test program ends.
  static struct Written {
    std::vector<std::string> paths;
    ~Written() {
      for (const std::string& written : paths) std::remove(written.c_str());
    }
  } written;
  written.paths.push_back(path);
  return path;
}

/// Standard output and standard error of one stretch of a test.
struct CapturedStreams {
  CapturedStreams() {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
  }
  /// Stops capturing; call once.
  void Finish() {
    std::fflush(stdout);
    std::fflush(stderr);
    out = testing::internal::GetCapturedStdout();
    err = testing::internal::GetCapturedStderr();
  }
  std::string out;
  std::string err;
};

/// A test that drives a run over text in memory by hand: its lexer, its
/// character source, its directives.
class TextRunTest : public testing::Test {
 protected:
  /// Starts over with a run whose input is `text`, in `language`.
  void Load(const std::string& text, Language language = kLocaleEnglish) {
    run_ = std::make_unique<::Run>(text, language);
    pToken = lexer().pToken;
  }

  ::Run& run() { return *run_; }
  Lexer& lexer() { return RunForTesting::lexer(*run_); }
  SourceReader& source() { return lexer().source(); }
  void GetToken() { lexer().GetToken(); }
  void UngetToken() { lexer().UngetToken(); }

  /// Carries out the directives at the start of the source, up to the first
  /// other token, which is left to be read.
  void RunDirectives() {
    for (GetToken(); pToken->eClass == TOK_DIRECTIVE; GetToken()) RunForTesting::HandleDirective(run());
    UngetToken();
  }

  /// Runs `step`, which must end the run through a failure, and returns what
  /// the run's report wrote on the two streams.
  template <class Step>
  CapturedStreams ExpectFailure(Step step) {
    CapturedStreams streams;
    const int status = RunForTesting::Attempt(run(), step);
    streams.Finish();
    EXPECT_EQ(status, 1) << "the step did not fail";
    return streams;
  }

  const Token* pToken = nullptr;

 private:
  std::unique_ptr<::Run> run_;  // (testing::Test has a Run of its own)
};

/// The whole content of a file, or "" when there is none.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

/// What one in-process run left behind.
struct Conversion {
  int status = -1;
  std::string out;  ///< standard output
  std::string err;  ///< standard error
  bool outputExists = false;
  std::string script;  ///< the resource script, when it exists
};

/// Converts with `run` in process into `output` and returns what it left
/// behind.
inline Conversion ConvertWith(::Run& run, const std::string& output) {
  Conversion result;
  CapturedStreams streams;
  result.status = run.Convert(output.c_str());
  streams.Finish();
  result.out = streams.out;
  result.err = streams.err;
  std::error_code error;
  result.outputExists = std::filesystem::exists(output, error);
  // A pipe is left to whoever reads it: opening it here would block.
  if (std::filesystem::is_regular_file(output, error)) result.script = ReadFile(output);
  return result;
}

/// The two macro lines every script begins with, and the blank line after them.
inline constexpr std::string_view kPrelude =
    "#define RSCL32(a,b,c,d)\t\t0x ## c ## d, 0x ## a ## b\n#define RSCS32(a)\t\ta, 0x0\n\n";

/// What any run must leave, whatever its input, `lines` lines long: after a
/// success a script that begins with the two macro lines and whose blocks
/// (BEGIN ... END) are each closed before the next begins and before the
/// end, and nothing on standard error; after a failure no script and one
/// report "<message>, line <n>" whose n lies within the input. Any other
/// status fails.
inline testing::AssertionResult EndsInAnOrderlyWay(const Conversion& run, std::size_t lines) {
  if (run.status == 0) {
    if (!run.err.empty()) return testing::AssertionFailure() << "success with a report: " << run.err;
    if (run.script.compare(0, kPrelude.size(), kPrelude) != 0)
      return testing::AssertionFailure() << "a script without the macro lines: " << run.script.substr(0, 80);
    bool open = false;
    std::istringstream script(run.script);
    for (std::string line; std::getline(script, line);) {
      if (line == "BEGIN" || line == "END") {
        if (open == (line == "BEGIN"))
          return testing::AssertionFailure() << "a block's " << line << " out of turn";
        open = !open;
      }
    }
    if (open) return testing::AssertionFailure() << "the script ends inside a block";
    return testing::AssertionSuccess();
  }
  if (run.status != 1) return testing::AssertionFailure() << "status " << run.status;
  if (run.outputExists) return testing::AssertionFailure() << "a failure left its script";
  const std::size_t at = run.err.find(", line ");
  const std::string digits = at == std::string::npos ? "" : run.err.substr(at + 7);
  if (digits.size() < 2 || digits.back() != '\n' ||
      digits.find_first_not_of("0123456789") != digits.size() - 1)
    return testing::AssertionFailure() << "not one report: " << run.err;
  if (std::stoul(digits) > lines)
    return testing::AssertionFailure() << "a report past the input's " << lines << " lines: " << run.err;
  return testing::AssertionSuccess();
}

/// The most lines the reader can count in `text`: each line, and one more
/// for every 511 bytes of it, since a longer line arrives as several.
inline std::size_t LinesOf(std::string_view text) {
  std::size_t lines = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines += 1 + (end - start) / 511;
    start = end + 1;
  }
  return lines;
}

/// Converts with `run` in process into a scratch file named `scriptName`,
/// which is gone before and after.
inline Conversion ConvertIntoScratch(::Run& run, const std::string& scriptName) {
  const std::string output = WriteSourceFile(scriptName, "");
  std::remove(output.c_str());
  Conversion result = ConvertWith(run, output);
  std::remove(output.c_str());
  return result;
}

/// Converts `input`, held in memory in place of a file named `name` (its
/// suffix selects the language), in process. The script goes to `output`, or
/// to a file of its own that is removed afterwards.
inline Conversion ConvertText(const std::string& name, const std::string& input,
                              const std::string& output = "") {
  ::Run run(input, DetectLocale(name.c_str()));
  return output.empty() ? ConvertIntoScratch(run, name + ".rc") : ConvertWith(run, output);
}

/// Converts `input` in preprocessing mode, held in memory in place of a file
/// named in.r, in process.
inline Conversion ConvertPreprocessed(const std::string& input, Language language = kLocaleEnglish) {
  Preprocessing preprocessing;
  preprocessing.on = true;
  ::Run run(input, language, preprocessing, "in.r");
  return ConvertIntoScratch(run, "out.rc");
}

/// The whole content of a file of the source tree (`relative` to its top).
inline std::string SourceTreeFile(const std::string& relative) {
  return ReadFile(std::string(VORL_SOURCE_DIR) + "/" + relative);
}
