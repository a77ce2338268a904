# A map cell the unit cannot use (empty, not a number, a negative dwell or injection, or a
# value far out of range) stops the engine with a critical message naming the table and
# the cell; the rest of that step is skipped.
#! setting ZRsettings ZRsetting0 1
let LoggedIn -1
applyoptions

set FRMsimulation.DBinjectiongrid(2,3) ""
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_temperature 90
click frmControls.optThrottleOn
click frmControls.optGear(2)
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect event "\"icon\":\"critical\""
expect message "Injection Lookup Table: the cell in row 3, column Speed 4 (load 70 %, 3200 rev/min) is empty, please edit the lookup data... "
expect EngineRunning 0
expect RoadSpeed 0

set FRMsimulation.DBinjectiongrid(2,3) 5.3
set FRMsimulation.DBtiminggrid(2,3) abc
menu File > Start / Stop Engine
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect message "Timing Lookup Table: the cell in row 3, column Speed 4 (load 70 %, 3200 rev/min) holds \"abc\", which is not a number, please edit the lookup data... "
expect EngineRunning 0

set FRMsimulation.DBtiminggrid(2,3) 27
set FRMsimulation.DBdwellgrid(2,3) -5
menu File > Start / Stop Engine
click frmControls.optThrottleOn
set FRMsimulation.HSB_system_voltage 13
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect message "Dwell Lookup Table: the cell in row 3, column Speed 4 (13 V, 3200 rev/min) holds -5, which is below 0, please edit the lookup data... "
expect EngineRunning 0

set FRMsimulation.DBdwellgrid(2,3) 38
set FRMsimulation.DBtiminggrid(2,3) 1E+6
menu File > Start / Stop Engine
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect message "Timing Lookup Table: the cell in row 3, column Speed 4 (load 70 %, 3200 rev/min) holds 1000000, which is far out of range, please edit the lookup data... "
expect EngineRunning 0
