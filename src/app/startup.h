// Program start-up and the options that act on the windows.
#pragma once

void Main();
void LoadOptions();
void ApplyOptions();
