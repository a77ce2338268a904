# The unit on a warm engine at 15 V, in gear: the cells it reads, the rev limiter and over-run
# cut-off, knock retard, the corrections and the exhaust warning, road speed, a standstill.
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

# Rev limiter: 6500 is not yet red-lined; throttle on at 7000 is pulled back to 6950, no fuel.
click frmControls.optGear(2)
set FRMsimulation.HSB_engine_speed 6500
tick
expect status Ready...
set FRMsimulation.HSB_engine_speed 7000
tick
expect EngineSpeed 6950
expect InjectionDuration 0
# Between 6500 and 7000 the warning shows but the fuel stays on.
set FRMsimulation.HSB_engine_speed 6600
set FRMsimulation.HSB_engine_load 0
tick
expect EngineSpeed 6600
expect status "CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min..."
# Full throttle at 6900: 7100 is cut back to 6750, no fuel; the red-line text replaces the enrichment's.
click frmControls.optThrottleFull
set FRMsimulation.HSB_engine_speed 6900
tick
expect EngineSpeed 6750
expect InjectionDuration 0
expect EngineLoad 100
expect event "Full load enrichment applied..."
expect status "CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min..."

# Over-run: throttle closed, fuel cut while at 2000 or more, 200 rev/min less a second, then idle at 800.
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 2200
click frmControls.optThrottleOff
tick
expect event "Overrun fuel cut-off..."
expect status Ready...
expect EngineSpeed 2000
expect InjectionDuration 0
expect EngineLoad 5
tick
expect event "Overrun fuel cut-off..."
expect EngineSpeed 1800
tick
expect noevent "Overrun fuel cut-off..."
expect EngineSpeed 1600
tick 3
expect EngineSpeed 1000
tick
expect EngineSpeed 800
expect status "Engine idle speed controlled..."

# Knock: over 80 % load below 1500 rev/min retards 2 degrees per knocking second, decaying 1 a
# second. At 1200 rev/min the map's 9 degrees less 2 is held at the 8 degree floor.
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 1200
set FRMsimulation.HSB_engine_load 85
tick
expect event beep
expect status "Engine knocked - Timing was retarded..."
expect EngineLoad 80
expect KnockRetard 1
expect IgnitionTiming 8
# 80 % is not more than 80.
tick
expect noevent beep
expect KnockRetard 0
expect IgnitionTiming 8
tick
expect IgnitionTiming 9
set FRMsimulation.HSB_engine_speed 1500
set FRMsimulation.HSB_engine_load 85
tick
expect noevent beep
expect KnockRetard 0
# 1400 rev/min: column 1, 14 degrees.
set FRMsimulation.HSB_engine_speed 1400
set FRMsimulation.HSB_engine_load 85
tick
expect IgnitionTiming 12
tick
expect IgnitionTiming 13

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
let KnockSensorFault 0

# Corrections: voltage and cold enrich the injection (a 32-bit float factor), cold retards the
# timing, lambda trims, full throttle enriches. 2000 rev/min, 42 % is row 4, column 2.
expect FRMsimulation.DBinjectiongrid(4,2) text 4.2

# 10 V on a warm engine (60 C): cell x 1.5, map timing.
set FRMsimulation.HSB_system_voltage 10
set FRMsimulation.HSB_engine_temperature 60
set FRMsimulation.HSB_engine_speed 2000
set FRMsimulation.HSB_engine_load 42
tick
expect EnrichmentFactor 1.5
expect InjectionDuration 6.3
expect IgnitionTiming 25

# 10 V at -20 C: 1.5 x 1.6 held as a float (2.4000001) and 4 degrees less timing.
set FRMsimulation.HSB_engine_temperature -20
set FRMsimulation.HSB_engine_load 42
tick
expect EnrichmentFactor 2.4000000953674316
expect InjectionDuration 10.080000400543213
expect TimingCorrection -4
expect IgnitionTiming 21

# Lambda: rich (-1) takes 10 % away, lean (+1) adds 10 %.
set FRMsimulation.HSB_engine_temperature 60
set FRMsimulation.HSB_engine_speed 2000
set FRMsimulation.HSB_engine_load 42
set FRMsimulation.HSB_Lambda -1
tick
expect InjectionDuration 5.67
set FRMsimulation.HSB_Lambda 1
set FRMsimulation.HSB_engine_load 42
tick
expect InjectionDuration 6.93
set FRMsimulation.HSB_Lambda 0
set FRMsimulation.HSB_system_voltage 15

# Full throttle: 20 % more fuel, full load and 200 rev/min more each second.
click frmControls.optThrottleFull
set FRMsimulation.HSB_engine_load 42
tick
expect InjectionDuration 5.04
expect EngineLoad 100
expect EngineSpeed 2200
expect status "Full load enrichment applied..."

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
