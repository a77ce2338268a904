# Stored values that are not what they should be count as their defaults.
#! setting ZRsettings ZRsetting1 abc
#! setting ZRsettings ZRsetting6 2
#! setting ZRsettings ZRsetting9 0
#! setting Trip_Computer Trip_Distance xyz
#! setting Trip_Computer Elapsed_Time 12.5
expect OptionFlags(1) 1
expect OptionFlags(6) 2
expect TripDistance 0
expect ElapsedTime 12.5
# Option 6 holding 2 is not 1: the status bar is hidden.
expect frmMainscreen.StatusBar1 visible false
tick
expect ElapsedTime 13.5
expect noevent "event":"error"
