// What the other subsystems ask of the users' windows, without reaching the windows: the
// login (which unlocks the faults list and the class dashboard), the options window and the
// Set Up Class window.
#pragma once

// Shows the login window, loading it if need be.
void ShowLoginWindow();
// Shows the options window, loading it if need be.
void ShowOptionsWindow();
// The Set Up Class window, for an instructor who is logged in (else the login is asked for).
void ShowClassSetupWindow();
