# While the engine runs, the cell its last step used is marked in the three grids and the open
# map chart, wherever the grids' current cells have gone since; stopped, nothing is marked.
#! setting ZRsettings ZRsetting0 1
menu Tools > Memory Maps
expect frmMaps.MSChart1 highlight ""
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_temperature 90
click frmControls.optThrottleOn
click frmControls.optGear(2)
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 56
set FRMsimulation.HSB_system_voltage 13
tick
expect SpeedIndex 3
expect LoadIndex 3
expect VoltageIndex 2
expect FRMsimulation.DBtiminggrid(3,3) operating true
expect FRMsimulation.DBinjectiongrid operating 3,3
expect FRMsimulation.DBdwellgrid operating 2,3
expect frmMaps.MSChart1 highlight 3,3
expect frmMaps.MSChart1(4,4) highlighted true

# A redraw moves the current cell to the last one; the mark stays on the cell in use, and
# the dwell map marks its voltage row.
pick frmMaps.cmbDataSelect "Dwell Map"
expect FRMsimulation.DBdwellgrid(7,7) current true
expect FRMsimulation.DBdwellgrid(2,3) operating true
expect FRMsimulation.DBdwellgrid(7,7) operating false
expect frmMaps.MSChart1 highlight 2,3

set FRMsimulation.HSB_engine_speed 5600
tick
expect FRMsimulation.DBdwellgrid operating 2,6
expect FRMsimulation.DBtiminggrid(3,3) operating false
expect frmMaps.MSChart1 highlight 2,6

# An engine step that stops the engine (timing past its limit) leaves no mark.
let LoggedIn -1
applyoptions
set FRMsimulation.DBtiminggrid(3,6) 70
set FRMsimulation.HSB_engine_load 56
tick
expect message "Timing of 70 degrees BTDC is too far advanced, please edit the lookup data... "
expect EngineRunning 0
expect FRMsimulation.DBtiminggrid operating ""
expect FRMsimulation.DBdwellgrid(2,6) operating false
expect frmMaps.MSChart1 highlight ""

# Started again (idle, 14 V: dwell row 1) and stopped with the key: marked, then not.
set FRMsimulation.DBtiminggrid(3,6) 30
menu File > Start / Stop Engine
tick
expect frmMaps.MSChart1 highlight 1,0
menu File > Start / Stop Engine
expect frmMaps.MSChart1 highlight ""
expect FRMsimulation.DBinjectiongrid operating ""
