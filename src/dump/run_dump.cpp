// VorlDump's command line, reading the input and writing the dump.
#include "dump/run_dump.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/platform.h"
#include "base/version.h"
#include "dump/bytes.h"
#include "dump/dump.h"

namespace {

constexpr const char* kUsage = "Usage: VorlDump file [output.r]\n";
/// What --help shows after the usage line.
constexpr const char* kHelp =
    "Writes the property lists and string lists of a compiled resource file (.res)\n"
    "or a plug-in DLL back in the resource description language, to output.r or\n"
    "to standard output.\n"
    "\n"
    "  -h, --help             show this text\n"
    "  --version              show the version and the licence\n";

/// The whole file, or false with a message in `error`.
bool ReadWholeFile(platform::Disk& disk, const char* path, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
  auto file = disk.OpenInput(path, platform::InputRule::kNotDirectory);
  if (!file) {
    error = "cannot be opened for reading";
    return false;
  }
  for (auto piece = file->Available(); !piece.empty(); piece = file->Available()) {
    bytes.insert(bytes.end(), piece.begin(), piece.end());
    file->Take(piece.size());
  }
  return true;
}

bool WriteAll(platform::Disk& disk, const char* path, const std::string& text) {
  if (path == nullptr) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
  }
  auto file = disk.CreateOutput(path);
  return file && file->Write(text.data(), text.size()) && file->Close();
}

}  // namespace

int RunVorlDump(int argc, char** argv) {
  // Asked as VorlTool is asked, in the first argument.
  if (argc >= 2 && AsksForHelp(argv[1])) {
    std::fputs(kUsage, stdout);
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    PrintVersion("VorlDump");
    return 0;
  }
  if (argc < 2 || argc > 3) {
    std::fputs(kUsage, stdout);
    return argc < 2 ? 0 : 1;
  }
  const char* input = argv[1];
  const char* output = argc == 3 ? argv[2] : nullptr;
  std::vector<std::uint8_t> bytes;
  std::string error;
  platform::Disk disk;
  if (!ReadWholeFile(disk, input, bytes, error)) {
    std::fprintf(stderr, "%s: %s\n", input, error.c_str());
    return 1;
  }
  std::string text;
  try {
    text = dump::DumpResources(bytes, dump::RulesForOutput(output));
  } catch (const dump::DumpError& failure) {
    std::fprintf(stderr, "%s: %s\n", input, failure.what());
    return 1;
  }
  if (text.empty())
    std::fprintf(stderr, "%s: holds no %s resource\n", input, dump::TypeNamesForMessage().c_str());
  if (!WriteAll(disk, output, text)) {
    std::fprintf(stderr, "%s: cannot be written\n", output ? output : "standard output");
    return 1;
  }
  return 0;
}
