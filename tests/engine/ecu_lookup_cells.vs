# The unit picks its map cells from engine speed, load and supply voltage, and moves the
# grids' current cells and the column read-out there.
menu File > Start / Stop Engine
click frmControls.optThrottleOn
click frmControls.optGear(1)
set FRMsimulation.HSB_engine_temperature 90

# 1200 rev/min (0.5 -> column 0) at 7 % (6.5 -> row 6).
set FRMsimulation.HSB_engine_speed 1200
set FRMsimulation.HSB_engine_load 7
tick
expect SpeedIndex 0
expect LoadIndex 6
expect FRMsimulation.text3 text 1
expect FRMsimulation.DBtiminggrid(6,0) current true
expect FRMsimulation.DBinjectiongrid(6,0) current true

# 2000 rev/min (1.5 -> column 2) at full load (row 0): the timing read-out is the cell.
set FRMsimulation.HSB_engine_speed 2000
set FRMsimulation.HSB_engine_load 100
tick
expect FRMsimulation.text3 text 3
expect FRMsimulation.DBtiminggrid(0,2) current true
expect FRMsimulation.DBtiminggrid(6,0) current false
expect FRMsimulation.timing text 16
expect FRMsimulation.DBtiminggrid(0,2) text 16

# Dwell rows follow the supply voltage: 16 V uses the first row, 8 V the last.
set FRMsimulation.HSB_engine_speed 2400
set FRMsimulation.HSB_system_voltage 16
tick
expect FRMsimulation.DBdwellgrid(0,2) current true
set FRMsimulation.HSB_system_voltage 8
tick
expect VoltageIndex 7
expect FRMsimulation.DBdwellgrid(7,2) current true
expect FRMsimulation.dwell text 51
