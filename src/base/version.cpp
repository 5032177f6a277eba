// The version that --version shows.
#include "base/version.h"

#include <cstdio>
#include <cstring>

#include "base/licence.h"

// The build names the version of project(); a build without it says 0.0.0.
#ifndef VORLTOOL_VERSION_TEXT
#define VORLTOOL_VERSION_TEXT "0.0.0"
#endif

void PrintVersion(const char* program) {
  std::printf("%s %s\n%s\n", program, VORLTOOL_VERSION_TEXT, kLicenceLine);
}

bool AsksForHelp(const char* argument) {
  return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}
