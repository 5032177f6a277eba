// The version, as VorlTool and VorlDump both tell it.
#pragma once

/// Writes what --version shows on standard output: "<program> <version>"
/// and a line end. Both programs print it here, so they tell the same.
void PrintVersion(const char* program);
