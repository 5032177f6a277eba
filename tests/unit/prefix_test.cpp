// Every prefix of every golden input and every shipped example, cut at every
// byte, converts or fails cleanly: status 0 or 1 and nothing else, with no
// crash and, in the sanitizer build, no report. The inputs are a few KB at
// most, so every cut is tried.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/locale.h"
#include "driver/run.h"
#include "source_text.h"

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

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
  // The scripts go to the null device, and the reports and warnings of some
  // thirty thousand runs are not worth keeping.
  CapturedStreams streams;
  for (const auto& [input, base] : inputs) {
    const std::string name = fs::relative(input, base).generic_string();
    const Language language = DetectLocale(name.c_str());
    const std::string text = ReadFile(input.string());
    for (std::size_t length = 0; length <= text.size(); ++length, ++cuts) {
      const int status = ::Run(std::string_view(text).substr(0, length), language)
                             .Convert(kNullDevice);
      if (status != 0 && status != 1) {
        streams.Finish();
        FAIL() << input << " cut after " << length << " bytes: status " << status;
      }
    }
  }
  streams.Finish();
  EXPECT_GT(cuts, 30000u);
}

}  // namespace
