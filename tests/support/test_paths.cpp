#include "tests/support/test_paths.h"

std::string sourceDir() { return ORLINDE_SOURCE_DIR; }

std::string linuxBuildDir() { return sourceDir() + "/build/linux"; }
