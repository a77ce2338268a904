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
