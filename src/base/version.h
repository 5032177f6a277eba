// The version, as VorlTool and VorlDump both tell it, and the ways both are
// asked for their help.
#pragma once

/// Writes what --version shows on standard output: "<program> <version>"
/// and, on a line of its own, the licence. Both programs print it here, so
/// they tell the same.
void PrintVersion(const char* program);

/// Whether the argument asks for the help text: --help, or -h as most
/// programs take it.
bool AsksForHelp(const char* argument);
