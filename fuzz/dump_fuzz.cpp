// Feeds arbitrary bytes to the dump as a resource file or PE image, under
// both sets of text rules. Any input must end in text or a DumpError: never a
// crash, a read out of bounds, a hang or a huge allocation.
//
//   cmake -S . -B build-fuzz -DVORLTOOL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
//   cmake --build build-fuzz --target dump_fuzz
//   build-fuzz/fuzz/dump_fuzz -max_total_time=60 tests/dump-cases/*/
#include <cstddef>
#include <cstdint>
#include <span>

#include "dump/bytes.h"
#include "dump/dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  // Made once: the rules' tables are the same for every input.
  static const dump::TextRules western;
  static const dump::TextRules eastAsian(kLocaleJapanese);
  for (const dump::TextRules* rules : {&western, &eastAsian}) {
    try {
      dump::DumpResources(bytes, *rules);
    } catch (const dump::DumpError&) {
    }
  }
  return 0;
}
