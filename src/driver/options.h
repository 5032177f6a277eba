// The command line's options: -D, -U and -I as C compilers and resource
// compilers spell them, which read the source in preprocessing mode, and
// --llvm-rc, which writes the script for llvm-rc and leaves the reading alone.
#pragma once

#include <string>
#include <vector>

#include "preprocess/preprocessor.h"

/// How a run reads its source. Off, the plain reading; on, preprocessing
/// mode, with the macros of the -D and -U options (in command-line order,
/// after the predefined ones) and the -I folders.
struct Preprocessing : PreprocessorSetup {
  bool on = false;
};

/// The macros preprocessing mode defines before the options: what Windows
/// resource compilers define, and VorlTool's own with its version.
struct PredefinedMacro {
  const char* name;
  const char* text;
};
extern const PredefinedMacro kPredefinedMacros[3];

/// A command line read: what to convert and how, or the exit status when
/// there is nothing to convert.
struct OptionsRead {
  Preprocessing preprocessing;
  /// --llvm-rc: the script's strings in the form llvm-rc takes.
  bool forLlvmRc = false;
  /// The two paths; null when there is nothing to convert.
  const char* input = nullptr;
  const char* output = nullptr;
  int status = 1;
};

/// Reads "VorlTool [options] sourcefile destinationfile" whose first
/// argument is an option: every option but --llvm-rc turns preprocessing
/// mode on (-- too); --help (or -h) and --version print and give status 0; an
/// unknown or incomplete option, or other than two paths after the options,
/// is refused on standard error with status 1.
OptionsRead ReadOptions(int argc, char** argv);

/// In a run without options in front: refuses a separate argument after the
/// two paths that begins with - ("VorlTool: options go before the paths:
/// <argument>" on standard error) and returns true. A -D _WIN64 there would
/// else be ignored and the wrong entry point written. A part split off the
/// first argument, and any other extra word, is left alone.
bool RefuseOptionAfterPaths(int argc, char** argv);

/// Whether the argument is an option: a - followed by something.
inline bool IsOption(const char* argument) { return argument[0] == '-' && argument[1] != '\0'; }
