// Program start-up: the splash window, the start values, the windows and the options.
#pragma once

#include "app/options.h"

void Main();
