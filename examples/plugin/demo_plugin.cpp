// demo_plugin.cpp: the code of the demo plug-in. A host loads the DLL, finds
// the entry point by the name the property list gives (CodeWin64X86 or
// CodeWin32X86 in demo_plugin.r) and calls it with a selector for each step of
// a filter run. The demo does nothing at any step and reports success. The
// entry point is exported by demo_plugin.def, which every Windows linker reads.
#include <cstdint>

#include "demo_version.h"

namespace {

constexpr short kNoError = 0;

// The property list packs the version into one 32-bit number, the major
// version in the high half; a number that does not fit its half would show
// the host another version than this one.
static_assert(kDemoMajor >= 0 && kDemoMajor <= 0x7FFF && kDemoMinor >= 0 && kDemoMinor <= 0xFFFF,
              "the version does not fit the property list's number");

}  // namespace

extern "C" void PluginMain(short selector, void* parameters, std::intptr_t* data,
                           short* result) {
  static_cast<void>(selector);
  static_cast<void>(parameters);
  static_cast<void>(data);
  if (result != nullptr) *result = kNoError;
}
