// The version that --version shows.
#include "base/version.h"

#include <cstdio>

#include "base/licence.h"

// The build names the version of project(); a build without it says 0.0.0.
#ifndef VORLTOOL_VERSION_TEXT
#define VORLTOOL_VERSION_TEXT "0.0.0"
#endif

void PrintVersion(const char* program) {
  std::printf("%s %s\n%s\n", program, VORLTOOL_VERSION_TEXT, kLicenceLine);
}
