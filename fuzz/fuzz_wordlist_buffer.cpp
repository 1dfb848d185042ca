#include "fuzz/Target.h"

TESMO_FUZZ_TARGET(Properties::wordListOnBuffer(input))
