# Road speed from the selected gear; the car stands at idle whatever the gear; neutral
# holds the load at 5 %; an engine dragged to a standstill is switched off.
menu File > Start / Stop Engine
click frmControls.optThrottleOn

# Neutral: no road speed, and the running engine's load is held at 5 %.
click frmControls.optGear(0)
set FRMsimulation.HSB_engine_load 60
tick
expect RoadSpeed 0
expect EngineLoad 5
expect FRMsimulation.HSB_engine_load value 5

# Slider dragged to 0: the step finds a stationary engine, zeroes the outputs and stops it.
set FRMsimulation.HSB_system_voltage 14
set FRMsimulation.HSB_engine_speed 0
tick
expect EngineRunning 0
expect SystemVoltage 12
expect InjectionDuration 0
expect DwellPercentage 0
expect event "Engine stopped..."
expect status "Engine is stationary - coil switched off..."
# The rest of that step still runs after the stop: the fault scan reports the stopped
# engine, the timing is held at its 8 degree floor and the readings show it.
expect fileline TEMP:Scanner.scn 7 "Ignition timing = 8deg. BTDC"
expect IgnitionTiming 8
# The next tick does not run the engine step.
tick
expect EngineRunning 0
expect status "Engine is stationary - coil switched off..."
