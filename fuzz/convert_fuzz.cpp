// Feeds arbitrary bytes to a whole conversion, as the program runs it: a main
// file that may include a second file, in any of the languages, with or
// without a dependency file, read plainly or as a C preprocessor does. Any
// input must end with status 0 or 1: never a crash, a read or write out of
// bounds, a leak or a hang.
//
// An input is laid out as
//   byte 0       bits 0-2: the language, by the name of the main file
//                (in.r, in_JAPANESE.r, in_KOREAN.r, ... see kNames);
//                bit 3: a dependency file is written (VORLTOOL_DEPFILE);
//                bits 4-5: the options that read as a preprocessor does
//                (none, the plain reading; --preprocess; two sets of -D
//                and -U, the first writing for llvm-rc, the second with
//                macros that take arguments, see kOptionSets);
//                bit 6: the included file lives in the folder inc, found
//                through -I inc;
//                bit 7: -D VALUE=<text>, the text being the included
//                file's bytes up to its first NUL, 64 at most (line ends
//                too, which no #define can hold)
//   bytes 1-2    the length of the main file, least significant byte first
//   the rest     the main file, then the file a.h, which the main file
//                includes with #include "a.h" (or <a.h>, through -I)
// so that a seed holds a golden input and its header exactly
// (fuzz/make_seeds.py writes them; its seeds of the plain reading leave
// bits 4-7 clear, and each golden input comes once more read with options).
//
//   CXX=clang++ cmake -S . -B build-fuzz -DVORLTOOL_FUZZ=ON -DVORLTOOL_BUILD_TESTS=OFF
//   cmake --build build-fuzz --target convert_fuzz
//   build-fuzz/fuzz/convert_fuzz -dict=build-fuzz/fuzz/convert_fuzz.dict \
//       -close_fd_mask=3 build-fuzz/fuzz/convert_corpus build-fuzz/fuzz/convert_seeds
//
// The files live in a folder of their own, made for each process in the
// system's temporary folder and removed at the end. It is the working
// directory during each run, where the include is found, so give
// -artifact_prefix an absolute path: a run that crashes leaves its input
// there.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "driver/run.h"

namespace {

namespace fs = std::filesystem;

/// The main file's name for each language choice; the last one spells its
/// suffix in lower case.
constexpr const char* kNames[8] = {"in.r",        "in_JAPANESE.r", "in_KOREAN.r",
                                   "in_FRENCH.r", "in_GERMAN.r",   "in_SPANISH.r",
                                   "in_ITALIAN.r", "in_korean.r"};
constexpr const char* kIncluded = "a.h";
constexpr const char* kIncludeFolder = "inc";
constexpr const char* kIncludedInFolder = "inc/a.h";

/// The options of bits 4-5; the first set reads plainly.
const std::vector<std::vector<std::string>> kOptionSets = {
    {},
    {"--preprocess"},
    {"--llvm-rc", "-D", "FOO", "-U_WIN32"},
    {"-DFOO=2", "-D", "BAR=0x10", "-URC_INVOKED", "-DF(a,b)=a##b", "-D", "S(...)=#__VA_ARGS__", "--"},
};
/// The longest -D text bit 7 takes.
constexpr std::size_t kMaxOptionText = 64;
constexpr const char* kOutput = "out.rc";
constexpr const char* kDependencyFile = "out.d";

/// The folder of this process's files.
std::string& Folder() {
  static std::string folder;
  return folder;
}

void RemoveFolder() {
  std::error_code error;
  fs::remove_all(Folder(), error);
}

bool WriteWhole(const char* path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::error_code error;
  std::string pattern = (fs::temp_directory_path(error) / "convert_fuzz.XXXXXX").string();
  if (error || mkdtemp(pattern.data()) == nullptr) {
    std::perror("convert_fuzz: no folder of its own");
    std::abort();
  }
  Folder() = pattern;
  fs::create_directory(fs::path(pattern) / kIncludeFolder, error);
  if (error) {
    std::perror("convert_fuzz: no include folder");
    std::abort();
  }
  // libFuzzer ends with exit() after its last run; the folder goes with it.
  std::atexit(RemoveFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return -1;  // not an input of this layout: not kept in the corpus
  const fs::path before = fs::current_path();
  fs::current_path(Folder());
  const std::uint8_t control = data[0];
  const std::size_t mainSize = std::min<std::size_t>(data[1] | (data[2] << 8), size - 3);
  const std::uint8_t* text = data + 3;
  const char* name = kNames[control & 7];
  const bool inFolder = (control & 0x40) != 0;
  const std::uint8_t* included = text + mainSize;
  const std::size_t includedSize = size - 3 - mainSize;
  if (!WriteWhole(name, text, mainSize) ||
      !WriteWhole(inFolder ? kIncludedInFolder : kIncluded, included, includedSize)) {
    std::perror("convert_fuzz: cannot write the input");
    std::abort();
  }
  if (control & 8)
    setenv("VORLTOOL_DEPFILE", kDependencyFile, 1);
  else
    unsetenv("VORLTOOL_DEPFILE");

  std::vector<std::string> arguments = {"VorlTool"};
  const auto& options = kOptionSets[(control >> 4) & 3];
  arguments.insert(arguments.end(), options.begin(), options.end());
  // The options of bits 6 and 7 go before a "--" that ends the options.
  std::vector<std::string> more;
  if (inFolder) more = {"-I", kIncludeFolder};
  if (control & 0x80) {
    std::size_t length = 0;
    while (length < includedSize && length < kMaxOptionText && included[length] != 0) ++length;
    more.push_back("-DVALUE=" + std::string(included, included + length));
  }
  arguments.insert(std::find(arguments.begin(), arguments.end(), "--"), more.begin(), more.end());
  arguments.push_back(name);
  arguments.push_back(kOutput);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const int status = RunVorlTool(static_cast<int>(arguments.size()), argv.data());
  if (status != 0 && status != 1) {
    std::fprintf(stderr, "convert_fuzz: status %d\n", status);
    std::abort();
  }
  std::remove(kOutput);
  std::remove(kDependencyFile);
  std::remove(name);
  std::remove(inFolder ? kIncludedInFolder : kIncluded);
  fs::current_path(before);
  return 0;
}
