#include "fuzz/Target.h"

TESMO_FUZZ_TARGET(Properties::highScoresRoundTrip(input, scratchFile("TESMO.HIS")))
