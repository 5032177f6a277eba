// The command line's options.
#include "driver/options.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/name_bytes.h"
#include "base/version.h"

#ifndef VORLTOOL_VERSION_NUMBER
#define VORLTOOL_VERSION_NUMBER "0"
#endif

const PredefinedMacro kPredefinedMacros[3] = {
    {"_WIN32", "1"},
    {"RC_INVOKED", "1"},
    {"VORLTOOL_VERSION", VORLTOOL_VERSION_NUMBER},
};

namespace {

constexpr const char* kHelp =
    "Usage: VorlTool [options] sourcefile destinationfile\n"
    "Converts a resource description (.r) into a Windows resource script (.rc).\n"
    "\n"
    "Any of these options but --llvm-rc reads the source as a C preprocessor does\n"
    "(directives, conditional groups, macros replaced as text, include folders),\n"
    "failures as FILE:LINE: error: MESSAGE and warnings on standard error; without\n"
    "them the source is read as it always was.\n"
    "  -D NAME, -DNAME        define NAME as 1\n"
    "  -D NAME=TEXT           define NAME as TEXT\n"
    "  -D 'NAME(A,B)=TEXT'    define NAME with parameters\n"
    "  -U NAME, -UNAME        remove NAME (a predefined macro too)\n"
    "  -I FOLDER, -IFOLDER    search FOLDER for included files, after the others\n"
    "  --preprocess           read as a C preprocessor does, defining nothing more\n"
    "  --llvm-rc              write each string holding a byte from 0x80 to 0x9F\n"
    "                         so that llvm-rc takes it (the same bytes compiled)\n"
    "  --                     end of the options\n"
    "  -h, --help             show this text\n"
    "  --version              show the version and the licence\n"
    "\n"
    "Predefined: _WIN32 and RC_INVOKED as 1, VORLTOOL_VERSION as "
    VORLTOOL_VERSION_NUMBER ".\n";

/// Refuses the command line: "VorlTool: <reason><what>" on standard error.
OptionsRead Refuse(const char* reason, const char* what) {
  std::fprintf(stderr, "VorlTool: %s%s\n", reason, what);
  return {};
}

/// A command line that only asked for a text, printed: nothing to convert.
OptionsRead Answered() {
  OptionsRead read;
  read.status = 0;
  return read;
}

}  // namespace

bool RefuseOptionAfterPaths(int argc, char** argv) {
  for (int next = 3; next < argc; ++next) {
    if (argv[next][0] == '-') {
      Refuse("options go before the paths: ", argv[next]);
      return true;
    }
  }
  return false;
}

OptionsRead ReadOptions(int argc, char** argv) {
  OptionsRead read;
  Preprocessing& preprocessing = read.preprocessing;
  int next = 1;
  while (next < argc && IsOption(argv[next])) {
    const char* option = argv[next++];
    if (std::strcmp(option, "--llvm-rc") == 0) {
      read.forLlvmRc = true;
      continue;
    }
    preprocessing.on = true;
    if (std::strcmp(option, "--") == 0) break;
    if (AsksForHelp(option)) {
      std::fputs(kHelp, stdout);
      return Answered();
    }
    if (std::strcmp(option, "--version") == 0) {
      PrintVersion("VorlTool");
      return Answered();
    }
    if (std::strcmp(option, "--preprocess") == 0) continue;
    const char letter = option[1];
    if (letter != 'D' && letter != 'U' && letter != 'I')
      return Refuse("unknown option ", option);
    // The value joined to the letter, or the next argument.
    const char* value = option + 2;
    if (*value == '\0') {
      if (next == argc) return Refuse("a value must follow ", option);
      value = argv[next++];
    }
    if (letter == 'I') {
      preprocessing.includeFolders.emplace_back(value);
      continue;
    }
    const std::string_view text = value;
    const std::size_t equals = letter == 'D' ? text.find('=') : std::string_view::npos;
    Preprocessing::MacroOption macro;
    macro.name = text.substr(0, equals);
    macro.text = equals == std::string_view::npos ? "1" : text.substr(equals + 1);
    macro.undefine = letter == 'U';
    // -U takes a name; -D perhaps a name with its parameters.
    const bool named = macro.undefine ? IsName(macro.name, [](unsigned char) { return false; })
                                      : IsMacroHead(macro.name);
    if (!named) return Refuse("not a macro name: ", value);
    preprocessing.macros.push_back(std::move(macro));
  }
  // The two paths are taken whole: a blank or a byte from 128 up is part of
  // the path.
  if (argc - next != 2) {
    std::fputs("Usage: VorlTool [options] sourcefile destinationfile\n", stderr);
    return read;
  }
  read.input = argv[next];
  read.output = argv[next + 1];
  return read;
}
