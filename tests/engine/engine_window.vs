# The engine-management window: sliders write the engine's variables at once, and closing only hides.
menu Systems > Engine Management
set FRMsimulation.HSB_engine_speed 2500
expect EngineSpeed 2500
set FRMsimulation.HSB_engine_temperature -15
expect EngineTemperature -15
close FRMsimulation
expect FRMsimulation visible false
menu Systems > Engine Management
expect FRMsimulation.HSB_engine_speed value 2500

# The injection time computed with a single-precision enrichment (1.5 x 1.6 held as 2.4000001)
# reads with the digits its figures carry; the variable keeps the computed value.
menu File > Start / Stop Engine
click frmControls.optThrottleOn
set FRMsimulation.HSB_system_voltage 10
set FRMsimulation.HSB_engine_temperature -20
set FRMsimulation.HSB_engine_speed 2000
set FRMsimulation.HSB_engine_load 42
tick
expect InjectionDuration 10.080000400543213
expect FRMsimulation.fuel text 10.08
