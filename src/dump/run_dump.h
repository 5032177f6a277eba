// VorlDump's command line: "VorlDump <file> [<output.r>]".
#pragma once

/// Dumps the file named by the first argument to the second (standard output
/// without one) and returns the exit status: 0 when written, 1 when the file
/// cannot be read or dumped (one line on standard error naming the offset).
int RunVorlDump(int argc, char** argv);
