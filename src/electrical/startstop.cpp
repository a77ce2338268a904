#include "electrical/startstop.h"

void StartStopEngine() {}
