#include "reference/names_reference.h"

int main(int argc, char** argv) { return RunNamesReference(argc, argv); }
