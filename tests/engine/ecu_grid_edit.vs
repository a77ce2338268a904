# Map editing: allowed only with option 0 on and a user logged in. An edit is written to
# the database at once and used by the next engine step.
#! setting ZRsettings ZRsetting0 1
set FRMsimulation.DBtiminggrid(2,3) 50
expect event refused
expect FRMsimulation.DBtiminggrid(2,3) text 24
#! restart
# The database was not changed either.
expect FRMsimulation.DBtiminggrid(2,3) text 24

# Logged in, with the options applied again (as the login window does): edits go through.
let LoggedIn -1
applyoptions
set FRMsimulation.DBtiminggrid(2,3) 50
expect noevent refused
set FRMsimulation.DBinjectiongrid(2,3) 7.25
expect FRMsimulation.DBinjectiongrid(2,3) text 7.25

# The next step runs on the edited cells: 3200 rev/min, 70 %, warm, 15 V.
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_temperature 90
set FRMsimulation.HSB_system_voltage 15
click frmControls.optThrottleOn
click frmControls.optGear(2)
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 70
tick
expect IgnitionTiming 50
expect InjectionDuration 7.25
# An edit while the engine runs is used from the next second on.
set FRMsimulation.DBtiminggrid(2,3) 33
set FRMsimulation.HSB_engine_load 70
tick
expect IgnitionTiming 33
#! restart
expect FRMsimulation.DBtiminggrid(2,3) text 33
expect FRMsimulation.DBinjectiongrid(2,3) text 7.25

# Logged in but option 0 off: the grids stay read-only.
let LoggedIn -1
let OptionFlags(0) 0
applyoptions
set FRMsimulation.DBdwellgrid(0,0) 10
expect event refused
expect FRMsimulation.DBdwellgrid(0,0) text 28
