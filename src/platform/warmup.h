#pragma once

// Start-up warm-up: the font configuration (several milliseconds of reading configuration
// files) is loaded on a helper thread while the application object is being built, so that
// the first window shown does not wait for it.
//   startWarmup() — call first thing in main(), before the application object exists.
//   finishWarmup() — call before the first window is shown; waits for the helper thread.
void startWarmup();
void finishWarmup();
