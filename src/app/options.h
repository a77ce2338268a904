// The ten options: read from the settings into OptionFlags, and applied to the windows.
#pragma once

#include <QString>

// Reads the options from the settings ("ZRsettings", "ZRsetting0" .. "ZRsetting9"); a stored
// value that is not a 16-bit integer counts as the option's default. The theme ("ZRtheme") is
// read with them and made current.
void LoadOptions();
// Applies the options to the windows, each even when an earlier one failed; the first error
// is then raised.
void ApplyOptions();
// The options applied when a user logs in: as ApplyOptions, except that the faults window stays
// shown if it was. An option that cannot be applied (a missing background picture) is reported
// here instead of raised, so that the login goes on.
void ApplyOptionsAtLogin();
// Starts decoding the main window's background picture on another thread, for the options to
// show when they are applied.
void prefetchBackground();
// The settings key of an option: "ZRsetting" and its place in OptionFlags.
QString optionSettingKey(int index);
