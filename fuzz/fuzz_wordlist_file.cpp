#include "fuzz/Target.h"

TESMO_FUZZ_TARGET(Properties::wordListOnFile(input, scratchFile("tesmodat.1")))
