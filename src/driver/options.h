// The command line's options: -D, -U and -I as C compilers and resource
// compilers spell them, which read the source in preprocessing mode.
#pragma once

#include <string>
#include <vector>

/// How a run reads its source. Off, the plain reading; on, preprocessing
/// mode: conditionals, macros as text, include folders.
struct Preprocessing {
  bool on = false;
  /// A -D (a name and its text) or a -U (a name), in command-line order,
  /// after the predefined macros.
  struct MacroOption {
    std::string name;
    std::string text;
    bool undefine = false;
  };
  std::vector<MacroOption> macros;
  /// Folders searched for included files, in order.
  std::vector<std::string> includeFolders;
};

/// The macros preprocessing mode defines before the options: what Windows
/// resource compilers define, and VorlTool's own with its version.
struct PredefinedMacro {
  const char* name;
  const char* text;
};
extern const PredefinedMacro kPredefinedMacros[3];

/// Runs "VorlTool [options] sourcefile destinationfile" whose first argument
/// is an option, and returns the exit status: --help and --version print and
/// give 0; an unknown or incomplete option, or other than two paths after
/// the options, is refused on standard error with 1 and nothing written.
int RunWithOptions(int argc, char** argv);

/// Whether the argument is an option: a - followed by something.
inline bool IsOption(const char* argument) { return argument[0] == '-' && argument[1] != '\0'; }
