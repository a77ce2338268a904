# The engine-management window: sliders write the engine's variables, the knock toggle, the
# ECU picture over the tables, the row-axis caption that follows the grid in use, and
# closing that only hides.
menu Systems > Engine Management
expect FRMsimulation visible true
expect FRMsimulation width 11750
set FRMsimulation.HSB_engine_speed 2500
expect EngineSpeed 2500
set FRMsimulation.HSB_engine_load 30
expect EngineLoad 30
set FRMsimulation.HSB_engine_temperature -15
expect EngineTemperature -15
set FRMsimulation.HSB_system_voltage 11
expect SystemVoltage 11
expect FRMsimulation.HSB_engine_temperature min -20

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
expect FRMsimulation.lblECU(13) text "Ignition coil dwell %"
click FRMsimulation.cmdECU
expect FRMsimulation.pbxCover visible false

# The row-axis caption follows the grid the user works in.
expect FRMsimulation.Label2 visible true
expect FRMsimulation.Label12 visible false
focus FRMsimulation.DBdwellgrid
expect FRMsimulation.Label12 visible true
expect FRMsimulation.Label2 visible false
rclick FRMsimulation.DBinjectiongrid
focus FRMsimulation.DBtiminggrid
expect FRMsimulation.Label2 visible true
expect FRMsimulation.Label12 visible false

# Closing hides the window; it keeps its state.
close FRMsimulation
expect FRMsimulation visible false
menu Systems > Engine Management
expect FRMsimulation visible true
expect FRMsimulation.HSB_engine_speed value 2500
