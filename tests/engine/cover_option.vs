# Option 2 shows the lookup tables instead of the ECU picture at start-up.
#! setting ZRsettings ZRsetting2 1
expect FRMsimulation.pbxCover visible false
click FRMsimulation.cmdECU
expect FRMsimulation.pbxCover visible true
