// VorlDump's command line: "VorlDump <file> [<output.r>]", or --help or
// --version.
#pragma once

/// Dumps the file named by the first argument to the second (standard output
/// without one) and returns the exit status: 0 when written, 1 when the file
/// cannot be read or dumped (one line on standard error naming the offset).
/// A first argument --help or --version prints the usage and options, or the
/// version, with status 0.
int RunVorlDump(int argc, char** argv);
