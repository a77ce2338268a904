#pragma once

// Start-up warm-up: work the first window needs but that does not have to run on the user
// interface thread is done on helper threads while that thread builds the windows.
//   startWarmup() — call first thing in main(), before the application object exists: the
//     font configuration (several milliseconds of reading configuration files) is loaded.
//   warmupWithApplication() — call once the application object exists: the same helper then
//     also fills Qt's list of installed fonts.
//   finishWarmup() — call before the first text is measured; waits for the font work.
//   warmupPictureFormats() — call once the first window has been painted: a second helper
//     loads the picture-format plug-ins (the first icon read by a style loads them all). The
//     first windows read no picture file (the program's style draws the only icons a style
//     would read for them, see programstyle.h), so earlier it would only take a processor from
//     the font work that the first paint waits for.
void startWarmup();
void warmupWithApplication();
void finishWarmup();
void warmupPictureFormats();
