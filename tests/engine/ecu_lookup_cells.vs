# The unit picks its map cells from engine speed, load and supply voltage, and moves the
# grids' current cells there: column = speed / 800 - 1, row = 7 - load / 14 (halves to
# even), dwell row = 15 - volts.
menu File > Start / Stop Engine
expect EngineRunning -1
click frmControls.optThrottleOn
click frmControls.optGear(1)
set FRMsimulation.HSB_engine_temperature 90

# 800 rev/min, no load: first column, last row.
set FRMsimulation.HSB_engine_speed 800
set FRMsimulation.HSB_engine_load 0
tick
expect SpeedIndex 0
expect LoadIndex 7
expect FRMsimulation.text3 text 1
expect FRMsimulation.DBtiminggrid(7,0) current true
expect FRMsimulation.DBinjectiongrid(7,0) current true

# 1200 rev/min (0.5 -> column 0) at 7 % (6.5 -> row 6).
set FRMsimulation.HSB_engine_speed 1200
set FRMsimulation.HSB_engine_load 7
tick
expect SpeedIndex 0
expect LoadIndex 6
expect FRMsimulation.DBtiminggrid(6,0) current true
expect FRMsimulation.DBtiminggrid(7,0) current false

# 2000 rev/min (1.5 -> column 2) at full load (row 0).
set FRMsimulation.HSB_engine_speed 2000
set FRMsimulation.HSB_engine_load 100
tick
expect SpeedIndex 2
expect LoadIndex 0
expect FRMsimulation.text3 text 3
expect FRMsimulation.DBinjectiongrid(0,2) current true
expect FRMsimulation.timing text 16
expect FRMsimulation.DBtiminggrid(0,2) text 16

# 7000 rev/min is past the last column: the last one is used, and the limiter cuts the fuel.
set FRMsimulation.HSB_engine_speed 7000
set FRMsimulation.HSB_engine_load 0
tick
expect SpeedIndex 7
expect LoadIndex 7
expect FRMsimulation.text3 text 8
expect FRMsimulation.DBtiminggrid(7,7) current true
expect EngineSpeed 6950
expect InjectionDuration 0
expect status "CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min..."

# Dwell rows follow the supply voltage: 16 V and 15 V use the first row, 8 V the last.
set FRMsimulation.HSB_engine_speed 2400
set FRMsimulation.HSB_system_voltage 16
tick
expect VoltageIndex 0
expect FRMsimulation.DBdwellgrid(0,2) current true
set FRMsimulation.HSB_system_voltage 12
tick
expect VoltageIndex 3
expect FRMsimulation.DBdwellgrid(3,2) current true
expect FRMsimulation.dwell text 38
set FRMsimulation.HSB_system_voltage 8
tick
expect VoltageIndex 7
expect FRMsimulation.DBdwellgrid(7,2) current true
expect FRMsimulation.dwell text 51
