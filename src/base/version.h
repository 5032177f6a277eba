// The version, as VorlTool and VorlDump both tell it.
#pragma once

/// Writes what --version shows on standard output: "<program> <version>"
/// and, on a line of its own, the licence. Both programs print it here, so
/// they tell the same.
void PrintVersion(const char* program);
