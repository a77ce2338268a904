// What the other subsystems ask of the users' windows, without reaching the windows: the
// login (which unlocks the faults list and the class dashboard) and the options window.
#pragma once

// Shows the login window, loading it if need be.
void ShowLoginWindow();
// Shows the options window, loading it if need be.
void ShowOptionsWindow();
