# Corrections on the maps: voltage and cold enrich the injection (a 32-bit float factor), cold retards
# the timing, lambda trims, full throttle enriches; the exhaust warning. 2000 rev/min, 42 % is row 4, column 2.
menu File > Start / Stop Engine
click frmControls.optThrottleOn
click frmControls.optGear(1)
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

# Exhaust warning at 800 rev/min and above; with a lambda-sensor fault injected the unit
# also drops the lambda signal to 0.
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
