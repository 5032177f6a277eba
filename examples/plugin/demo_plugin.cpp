// demo_plugin.cpp: the code of the demo plug-in. A host loads the DLL, finds
// the entry point by the name the property list gives (CodeWin64X86 in
// demo_plugin.r) and calls it with a selector for each step of a filter run.
// The demo does nothing at any step and reports success. The entry point is
// exported by demo_plugin.def, which every Windows linker reads.
#include <cstdint>

namespace {

constexpr short kNoError = 0;

}  // namespace

extern "C" void PluginMain(short selector, void* parameters, std::intptr_t* data,
                           short* result) {
  static_cast<void>(selector);
  static_cast<void>(parameters);
  static_cast<void>(data);
  if (result != nullptr) *result = kNoError;
}
