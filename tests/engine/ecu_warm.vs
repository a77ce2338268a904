# The unit on a warm engine at 15 V, in gear, through its windows: the cells it reads and their
# read-outs, the knock button, the corrections carried to the shared variables, the exhaust
# warning with a fault box, neutral and a standstill. (The unit's rules on their own: tests/sim.)
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_temperature 90
set FRMsimulation.HSB_system_voltage 15
click frmControls.optThrottleOn
click frmControls.optGear(1)

# Current cells and column read-out: 1200 rev/min (0.5 -> column 0) at 7 % (6.5 -> row 6),
# then 2000 rev/min (1.5 -> column 2) at full load; 8 V is the dwell map's last row.
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
set FRMsimulation.HSB_system_voltage 15

# Knock pressed: a knock every second (5 % load off each, down to 20 %) until the retard passes its
# cap of 8, which flips the toggle back.
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 42
click FRMsimulation.cmbKnock
tick 7
expect KnockRetard 7
expect Knock -1
expect EngineLoad 20
expect FRMsimulation.DBtiminggrid(6,3) text 32
tick
expect Knock 0
expect FRMsimulation.txbknock text No
expect KnockRetard 7
expect IgnitionTiming 24
tick
expect KnockRetard 6
expect IgnitionTiming 25

# Corrections: 10 V at -20 C enrich the injection by 1.5 x 1.6, a factor held as a 32-bit float
# (2.4000001), and take 4 degrees off the timing. 2000 rev/min, 42 % is row 4, column 2.
expect FRMsimulation.DBinjectiongrid(4,2) text 4.2
let KnockRetard 0
set FRMsimulation.HSB_system_voltage 10
set FRMsimulation.HSB_engine_speed 2000
set FRMsimulation.HSB_engine_temperature -20
set FRMsimulation.HSB_engine_load 42
tick
expect EnrichmentFactor 2.4000000953674316
expect InjectionDuration 10.080000400543213
expect TimingCorrection -4
expect IgnitionTiming 21

# Exhaust warning at 800 rev/min and above; a lambda-sensor fault also drops the lambda signal to 0.
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 700
set FRMsimulation.HSB_Lambda -1
let ExhaustWarning -1
tick
expect noevent "Warning, exhaust gases are out of range..."
set FRMsimulation.HSB_engine_speed 800
let ExhaustWarning -1
tick
expect status "Warning, exhaust gases are out of range..."
expect FRMsimulation.HSB_Lambda value -1
click frmFaults.chkFault(11)
set FRMsimulation.HSB_Lambda 1
tick
expect status "Warning, exhaust gases are out of range..."
expect FRMsimulation.HSB_Lambda value 0
expect FRMsimulation.lambda text 0
click frmFaults.cmdClear

# Neutral: no road speed, and the running engine's load is held at 5 %.
click frmControls.optGear(0)
set FRMsimulation.HSB_engine_load 60
tick
expect RoadSpeed 0
expect EngineLoad 5
expect FRMsimulation.HSB_engine_load value 5

# Slider dragged to 0: the step finds a stationary engine, zeroes the outputs and stops it;
# the rest of that step still runs (the scan reports the timing at its 8 degree floor).
set FRMsimulation.HSB_system_voltage 14
set FRMsimulation.HSB_engine_speed 0
tick
expect EngineRunning 0
expect SystemVoltage 12
expect InjectionDuration 0
expect DwellPercentage 0
expect event "Engine stopped..."
expect status "Engine is stationary - coil switched off..."
expect fileline TEMP:Scanner.scn 7 "Ignition timing = 8deg. BTDC"
expect IgnitionTiming 8
# The next tick does not run the engine step.
tick
expect EngineRunning 0
expect status "Engine is stationary - coil switched off..."
