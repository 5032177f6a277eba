// The program's entry: command line, start-up, and the run's state.
#pragma once

/// Runs one conversion as "VorlTool sourcefile destinationfile" and returns
/// the exit status. May be called many times in one process.
int RunVorlTool(int argc, char** argv);

/// Forgets all run state: source, lexer, macros, output, locale, string pool.
void ResetRunState();
