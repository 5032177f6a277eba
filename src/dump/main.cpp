#include "base/platform.h"
#include "dump/run_dump.h"

int main(int argc, char** argv) {
  platform::UseBinaryStandardStreams();
  return RunVorlDump(argc, argv);
}
