# The engine-management window: sliders write the engine's variables, the knock toggle,
# the lambda read-out, the ECU picture over the tables, the row-axis caption that follows
# the grid in use, and closing that only hides.
menu Systems > Engine Management
expect FRMsimulation caption "Engine Management system"
expect FRMsimulation visible true
expect FRMsimulation left 50
expect FRMsimulation top 50
expect FRMsimulation width 11750
expect FRMsimulation height 4700
expect FRMsimulation.lblSystem(0) text Input
expect FRMsimulation.lblSystem(1) text Control
expect FRMsimulation.lblSystem(2) text Output

# Scales and limits of the controls.
expect FRMsimulation.HSB_engine_speed max 7000
expect FRMsimulation.HSB_engine_temperature min -20
expect FRMsimulation.HSB_engine_temperature max 110
expect FRMsimulation.HSB_system_voltage max 16
expect FRMsimulation.HSB_Lambda min -1
expect FRMsimulation.bar_timing max 65
expect FRMsimulation.bar_dwell max 65
expect FRMsimulation.bar_fuel max 35

# Sliders write the variables at once.
set FRMsimulation.HSB_engine_speed 2500
expect EngineSpeed 2500
set FRMsimulation.HSB_engine_load 30
expect EngineLoad 30
set FRMsimulation.HSB_engine_temperature -15
expect EngineTemperature -15
set FRMsimulation.HSB_system_voltage 11
expect SystemVoltage 11

# Lambda read-out.
set FRMsimulation.HSB_Lambda -1
expect FRMsimulation.lambda text "< 1"
set FRMsimulation.HSB_Lambda 0
expect FRMsimulation.lambda text 1
set FRMsimulation.HSB_Lambda 1
expect FRMsimulation.lambda text "> 1"

# Knock toggles Yes / No.
expect FRMsimulation.txbknock text Knock
click FRMsimulation.cmbKnock
expect Knock -1
expect FRMsimulation.txbknock text Yes
click FRMsimulation.cmbKnock
expect Knock 0
expect FRMsimulation.txbknock text No

# The ECU picture covers the tables (option 2 off) and "Tables/ECU" toggles it.
expect FRMsimulation.pbxCover visible true
expect FRMsimulation.pbxECU visible true
expect FRMsimulation.lblECU(0) text "Engine speed"
expect FRMsimulation.lblECU(1) text "Engine speed"
expect FRMsimulation.lblECU(13) text "Ignition coil dwell %"
expect FRMsimulation.lblECU(17) text "Fuel pump"
click FRMsimulation.cmdECU
expect FRMsimulation.pbxCover visible false
click FRMsimulation.cmdECU
expect FRMsimulation.pbxCover visible true
click FRMsimulation.cmdECU

# The row-axis caption follows the grid the user works in.
expect FRMsimulation.Label2 visible true
expect FRMsimulation.Label12 visible false
focus FRMsimulation.DBdwellgrid
expect FRMsimulation.Label12 visible true
expect FRMsimulation.Label12 text "Volts look up value"
expect FRMsimulation.Label2 visible false
rclick FRMsimulation.DBinjectiongrid
focus FRMsimulation.DBtiminggrid
expect FRMsimulation.Label2 visible true
expect FRMsimulation.Label2 text "Load look up value"
expect FRMsimulation.Label12 visible false
expect FRMsimulation.Label10 text "Speed look up value"
expect FRMsimulation.DBtiminggrid(0,0) text 8

# Closing hides the window; it keeps its state.
close FRMsimulation
expect FRMsimulation visible false
expect FRMsimulation.pbxCover visible false
menu Systems > Engine Management
expect FRMsimulation visible true
expect FRMsimulation.HSB_engine_speed value 2500
