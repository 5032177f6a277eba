// Every prefix of every golden input and every shipped example, cut at every
// byte, converts or fails cleanly: a script whose blocks are whole, or one
// report with a line of the input and no script; no crash and, in the
// sanitizer build, no report. The inputs are a few KB at most, so every cut
// is tried.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/locale.h"
#include "driver/run.h"
#include "source_text.h"

namespace {

namespace fs = std::filesystem;

/// Standard output and standard error sent to files for a stretch of a test,
/// and standard error read back run by run: what a run reported is what its
/// file gained. (Capturing each of some thirty thousand runs on its own
/// would make and remove two files a run.)
class ReportsInAFile {
 public:
  ReportsInAFile()
      : outPath_(WriteSourceFile("stdout", "")), errPath_(WriteSourceFile("stderr", "")) {
    std::fflush(stdout);
    std::fflush(stderr);
    savedOut_ = dup(1);
    savedErr_ = dup(2);
    out_ = std::fopen(outPath_.c_str(), "wb");
    err_ = std::fopen(errPath_.c_str(), "wb");
    dup2(fileno(out_), 1);
    dup2(fileno(err_), 2);
  }
  ReportsInAFile(const ReportsInAFile&) = delete;
  ReportsInAFile& operator=(const ReportsInAFile&) = delete;
  ~ReportsInAFile() {
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut_, 1);
    dup2(savedErr_, 2);
    for (std::FILE* file : {out_, err_}) std::fclose(file);
  }

  /// What standard error gained since the last call, its line ends as a
  /// capture reads them (on Windows they may reach the file as CR LF).
  std::string Next() {
    std::fflush(stderr);
    std::ifstream file(errPath_, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(read_));
    std::string gained{std::istreambuf_iterator<char>(file), {}};
    read_ += gained.size();
    for (std::size_t at; (at = gained.find("\r\n")) != std::string::npos;) gained.erase(at, 1);
    return gained;
  }

 private:
  std::string outPath_, errPath_;
  int savedOut_ = -1, savedErr_ = -1;
  std::FILE* out_ = nullptr;
  std::FILE* err_ = nullptr;
  std::size_t read_ = 0;
};

/// Every file of the language under `folder` (.r and the .h files they
/// include), each with its path relative to `folder`, whose suffix picks the
/// language as a run's input path would.
std::vector<fs::path> InputsUnder(const fs::path& folder) {
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const fs::path extension = entry.path().extension();
    if (entry.is_regular_file() && (extension == ".r" || extension == ".h"))
      inputs.push_back(entry.path());
  }
  return inputs;
}

TEST(Prefixes, EveryPrefixOfEveryGoldenInputAndExampleEndsCleanly) {
  const fs::path top = VORL_SOURCE_DIR;
  std::vector<std::pair<fs::path, fs::path>> inputs;  // (file, the folder its name counts from)
  for (const auto& entry : fs::directory_iterator(top / "tests" / "cases"))
    for (const fs::path& input : InputsUnder(entry.path())) inputs.emplace_back(input, entry.path());
  for (const fs::path& input : InputsUnder(top / "examples")) inputs.emplace_back(input, top);
  ASSERT_GT(inputs.size(), 100u);

  std::size_t cuts = 0;
  const std::string output = WriteSourceFile("out.rc", "");
  std::string trouble;
  {
    ReportsInAFile reports;
    for (const auto& [input, base] : inputs) {
      const std::string name = fs::relative(input, base).generic_string();
      const Language language = DetectLocale(name.c_str());
      const std::string text = ReadFile(input.string());
      for (std::size_t length = 0; length <= text.size() && trouble.empty(); ++length, ++cuts) {
        const std::string_view cut = std::string_view(text).substr(0, length);
        Conversion run;
        run.status = ::Run(cut, language).Convert(output.c_str());
        run.err = reports.Next();
        run.outputExists = fs::exists(output);
        if (run.outputExists) run.script = ReadFile(output);
        // Gone before the next run: a file cut back to nothing and written
        // again is flushed to the disk when it is closed, on some systems.
        std::remove(output.c_str());
        const testing::AssertionResult orderly = EndsInAnOrderlyWay(run, LinesOf(cut));
        if (!orderly)
          trouble = input.string() + " cut after " + std::to_string(length) + " bytes: " + orderly.message();
      }
    }
  }
  ASSERT_EQ(trouble, "");
  EXPECT_GT(cuts, 30000u);
}

}  // namespace
