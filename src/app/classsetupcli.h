// `vantorel --class-setup ...`: the classroom file written or checked from the command line, by
// the administrator, without a window or a display.
#pragma once

// Runs the command with the program's arguments (the whole command line); returns the exit
// status. Everything it says goes to standard error; --print writes the file's text to
// standard output.
int runClassSetup(int argc, char** argv);

// Whether the command line asks for it.
bool wantsClassSetup(int argc, char** argv);
