# The output check: a timing, dwell or injection past its limit, or a cell the unit cannot use,
# stops the engine with a critical message. Edited cells at 3200 rev/min, 70 % (row 2, column 3), 15 V, warm.
#! setting ZRsettings ZRsetting0 1
let LoggedIn -1
applyoptions
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_temperature 90
set FRMsimulation.HSB_system_voltage 15
click frmControls.optThrottleOn
click frmControls.optGear(2)
set FRMsimulation.HSB_engine_speed 3200

# The limits themselves pass: timing 65, injection 35 ms.
set FRMsimulation.DBtiminggrid(2,3) 65
set FRMsimulation.DBinjectiongrid(2,3) 35
set FRMsimulation.HSB_engine_load 70
tick
expect EngineRunning -1
expect FRMsimulation.bar_timing value 65

# Fractional map cells: timing and dwell take the nearest whole number, halves to the even
# one, after the cold-engine correction has been added.
set FRMsimulation.DBinjectiongrid(2,3) 6.5
set FRMsimulation.DBtiminggrid(2,3) 24.5
set FRMsimulation.DBdwellgrid(0,3) 39.5
set FRMsimulation.HSB_engine_load 70
tick
expect IgnitionTiming 24
expect DwellPercentage 40
expect FRMsimulation.dwell text 40
set FRMsimulation.DBtiminggrid(2,3) 25.5
set FRMsimulation.DBdwellgrid(0,3) 38.5
set FRMsimulation.HSB_engine_load 70
tick
expect IgnitionTiming 26
expect DwellPercentage 38
# 30 C takes a degree off: 24.5 - 1 = 23.5, which rounds to 24.
set FRMsimulation.DBtiminggrid(2,3) 24.5
set FRMsimulation.HSB_engine_temperature 30
set FRMsimulation.HSB_engine_load 70
tick
expect TimingCorrection -1
expect IgnitionTiming 24
set FRMsimulation.HSB_engine_temperature 90

# A dwell of 65.5 % rounds to 66, past the limit: the engine stops.
set FRMsimulation.DBdwellgrid(0,3) 65.5
set FRMsimulation.HSB_engine_load 70
tick
expect event "\"icon\":\"critical\""
expect message "Dwell percentage 66 % is too high, please edit the lookup data... "
expect EngineRunning 0
expect DwellPercentage 0
expect status "Engine stopped..."

set FRMsimulation.DBdwellgrid(0,3) 38
set FRMsimulation.DBtiminggrid(2,3) 70
menu File > Start / Stop Engine
click frmControls.optThrottleOn
click frmControls.optGear(2)
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect message "Timing of 70 degrees BTDC is too far advanced, please edit the lookup data... "
expect EngineRunning 0

# Injection 35.5 ms: the message names the whole milliseconds, 35.
set FRMsimulation.DBtiminggrid(2,3) 24
set FRMsimulation.DBinjectiongrid(2,3) 35.5
menu File > Start / Stop Engine
click frmControls.optThrottleOn
click frmControls.optGear(2)
set FRMsimulation.HSB_system_voltage 15
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect message "Injection quantity 35 ms is incorrect, please edit the lookup data... "
expect EngineRunning 0

set FRMsimulation.DBinjectiongrid(2,3) 6.5
set FRMsimulation.DBinjectiongrid(2,3) ""
menu File > Start / Stop Engine
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
set FRMsimulation.DBdwellgrid(2,3) -5
menu File > Start / Stop Engine
click frmControls.optThrottleOn
set FRMsimulation.HSB_system_voltage 13
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect message "Dwell Lookup Table: the cell in row 3, column Speed 4 (13 V, 3200 rev/min) holds -5, which is below 0, please edit the lookup data... "
expect EngineRunning 0

