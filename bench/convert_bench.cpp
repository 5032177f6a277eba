// Cost per input byte of a whole conversion, plain and in preprocessing mode
// (--preprocess) side by side, and of lexing alone, over large generated
// inputs of three kinds: property lists, string lists, and statements that
// are skipped (with comments and folded arithmetic).
//
//   cmake -S . -B build-bench -DVORLTOOL_BENCH=ON -DCMAKE_BUILD_TYPE=Release
//   cmake --build build-bench --target vorl_bench && build-bench/bench/vorl_bench
//
// The counter time/byte is the time per input byte, in seconds with an SI
// prefix (19n is 19 nanoseconds).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/locale.h"
#include "base/platform.h"
#include "driver/run.h"
#include "source/lexer.h"

namespace {

constexpr const char* kPropertyList = R"(resource 'Vorl' (16001) {
    {
        Kind { ImageFormat },
        Name { "Sample Format" },
        Version { (1 << 16) | 2 },
        FmtFileType { 'SMPL', 'smpc' },
        ReadTypes { { 'SMPL', 'smpc' }, { 'TEXT', '    ' } },
        ReadExtensions { { 'SMP ', 'SMPL' } },
        SupportedModes { doesSupportBitmap, doesSupportGrayScale, doesSupportRGBColor },
        FormatFlags { fmtCanRead, fmtCanWrite },
        FormatMaxSize { { 32767, 32767 } },
        FormatMaxChannels { { 1, 24, 24, 24, 24, 24, 24, 24 } }
    }
};
)";

constexpr const char* kStringList = R"(resource 'LStr' (16002, "Messages") {
    {
        "The file could not be read.",
        "Sample images hold at most \0x18 channels; " "this one holds more.\n",
        "\"Quoted\" text with a tab\t and a backslash \\ "
    }
};
)";

constexpr const char* kSkipped = R"(/* A menu that is not converted. */
resource 'MENU' (128, "Edit") {
    128, textMenuProc, 0x7FFFFFFD, enabled, "Edit",
    {   "Cut", noIcon, "X", noMark, plain;       // the usual three
        "Copy", noIcon, "C", noMark, plain;
        "Paste", noIcon, "V", noMark, plain
    },
    2 * (3 + 4) - 0x10 / 2, 0b1010 | 0o17
};
)";

/// A file of about `size` bytes made of copies of `piece`, named after `kind`.
std::string MakeInput(const char* kind, const char* piece, std::size_t size) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("vorl_bench_" + std::to_string(getpid()) + "_" + kind + ".r"))
                               .string();
  std::ofstream file(path, std::ios::binary);
  const std::string text(piece);
  for (std::size_t written = 0; written < size; written += text.size()) file << text;
  return path;
}

void SetPerByteCounters(benchmark::State& state, const std::string& path) {
  const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
  state.counters["time/byte"] = benchmark::Counter(
      static_cast<double>(bytes),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  std::filesystem::remove(path);
}

/// Whole runs, with --preprocess when `preprocess` is set.
void ConvertWhole(benchmark::State& state, const char* kind, const char* piece,
                  bool preprocess) {
  const std::string path = MakeInput(kind, piece, static_cast<std::size_t>(state.range(0)));
  std::string program = "VorlTool", option = "--preprocess", input = path, output = "/dev/null";
  std::vector<char*> argv = {program.data()};
  if (preprocess) argv.push_back(option.data());
  argv.insert(argv.end(), {input.data(), output.data(), nullptr});
  for (auto _ : state) {
    if (RunVorlTool(static_cast<int>(argv.size()) - 1, argv.data()) != 0) {
      state.SkipWithError("the conversion failed");
      break;
    }
  }
  SetPerByteCounters(state, path);
}

void LexOnly(benchmark::State& state, const char* kind, const char* piece) {
  const std::string path = MakeInput(kind, piece, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    platform::Disk disk;
    const auto file = disk.OpenInput(path.c_str(), platform::InputRule::kNotDirectory);
    Lexer lexer{Locale()};
    lexer.StartSource(SourceReader(file.get()));
    int64_t tokens = 0;
    for (lexer.GetToken(); lexer.pToken->eClass != TOK_EOF; lexer.GetToken()) ++tokens;
    benchmark::DoNotOptimize(tokens);
  }
  SetPerByteCounters(state, path);
}

constexpr int64_t kSize = 4 << 20;

BENCHMARK_CAPTURE(ConvertWhole, property_lists, "vorl", kPropertyList, false)->Arg(kSize);
BENCHMARK_CAPTURE(ConvertWhole, property_lists_preprocess, "vorl", kPropertyList, true)
    ->Arg(kSize);
BENCHMARK_CAPTURE(ConvertWhole, string_lists, "lstr", kStringList, false)->Arg(kSize);
BENCHMARK_CAPTURE(ConvertWhole, string_lists_preprocess, "lstr", kStringList, true)
    ->Arg(kSize);
BENCHMARK_CAPTURE(ConvertWhole, skipped_statements, "skip", kSkipped, false)->Arg(kSize);
BENCHMARK_CAPTURE(ConvertWhole, skipped_statements_preprocess, "skip", kSkipped, true)
    ->Arg(kSize);
BENCHMARK_CAPTURE(LexOnly, property_lists, "lex_vorl", kPropertyList)->Arg(kSize);
BENCHMARK_CAPTURE(LexOnly, skipped_statements, "lex_skip", kSkipped)->Arg(kSize);

}  // namespace

BENCHMARK_MAIN();
