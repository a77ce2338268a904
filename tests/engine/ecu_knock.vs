# Knock: labouring (over 80 % load below 1500 rev/min) or the simulated knock retards the
# timing by 2 degrees per knocking second, decaying by 1 a second; a failed knock sensor
# warns instead. Warm engine at 15 V, throttle on, a gear engaged.
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_temperature 90
set FRMsimulation.HSB_system_voltage 15
click frmControls.optThrottleOn
click frmControls.optGear(1)

# 85 % at 1200 rev/min: one knock. The map's 9 degrees less 2 is held at the 8 degree floor.
set FRMsimulation.HSB_engine_speed 1200
set FRMsimulation.HSB_engine_load 85
tick
expect event beep
expect status "Engine knocked - Timing was retarded..."
expect EngineLoad 80
expect KnockRetard 1
expect IgnitionTiming 8
# 80 % is not more than 80: no more knocking, the retard decays.
tick
expect noevent beep
expect KnockRetard 0
expect IgnitionTiming 8
tick
expect IgnitionTiming 9
# 1500 rev/min is not below 1500: 85 % does not knock there.
set FRMsimulation.HSB_engine_speed 1500
set FRMsimulation.HSB_engine_load 85
tick
expect noevent beep
expect KnockRetard 0

# At 1400 rev/min (column 1, 14 degrees) the retard shows: 12, then 13.
set FRMsimulation.HSB_engine_speed 1400
set FRMsimulation.HSB_engine_load 85
tick
expect IgnitionTiming 12
tick
expect IgnitionTiming 13

# Pressing Knock makes the engine knock every second (each knock also takes 5 % load off,
# down to 20 %) until the retard passes its cap of 8, which flips the toggle back.
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

# A failed knock sensor: no retard, a warning and a one-second hold instead.
set FRMsimulation.HSB_engine_speed 1200
set FRMsimulation.HSB_engine_load 90
let KnockRetard 0
let KnockSensorFault -1
tick
expect event beep
expect event "Warning, engine is knocking..."
expect event "\"seconds\":1"
expect KnockRetard 0
expect IgnitionTiming 9
