#include "base/platform.h"
#include "driver/run.h"

int main(int argc, char** argv) {
  platform::UseBinaryStandardStreams();
  return RunVorlTool(argc, argv);
}
