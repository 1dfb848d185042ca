#include "fuzz/Target.h"

TESMO_FUZZ_TARGET(Properties::settingsRoundTrip(input, scratchFile("Tesmo.ini")))
