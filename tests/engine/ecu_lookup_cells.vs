# The unit moves the grids' current cells and the column read-out to the cells it uses:
# 1200 rev/min (0.5 -> column 0) at 7 % (6.5 -> row 6), then 2000 rev/min (1.5 -> column 2)
# at full load; the dwell row follows the supply voltage (8 V: the last row).
menu File > Start / Stop Engine
click frmControls.optThrottleOn
click frmControls.optGear(1)
set FRMsimulation.HSB_engine_temperature 90
set FRMsimulation.HSB_engine_speed 1200
set FRMsimulation.HSB_engine_load 7
tick
expect FRMsimulation.text3 text 1
expect FRMsimulation.DBtiminggrid(6,0) current true
expect FRMsimulation.DBinjectiongrid(6,0) current true
set FRMsimulation.HSB_engine_speed 2000
set FRMsimulation.HSB_engine_load 100
set FRMsimulation.HSB_system_voltage 8
tick
expect FRMsimulation.text3 text 3
expect FRMsimulation.DBtiminggrid(0,2) current true
expect FRMsimulation.DBtiminggrid(6,0) current false
expect FRMsimulation.timing text 16
expect FRMsimulation.DBdwellgrid(7,2) current true
expect FRMsimulation.dwell text 51
