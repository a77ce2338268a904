# Rev limiter, full throttle at the red line, and the over-run fuel cut-off with the idle
# control as the throttle closes.
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_temperature 90
set FRMsimulation.HSB_system_voltage 15
click frmControls.optGear(2)

# Exactly 6500 rev/min is not yet red-lined.
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 6500
tick
expect status Ready...

# Throttle on at 7000 rev/min: red-line warning, pulled back to 6950 with no fuel.
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

# Full throttle at 6900: 7100 is cut back to 6750 with no fuel, and the red-line text
# replaces the enrichment text.
click frmControls.optThrottleFull
set FRMsimulation.HSB_engine_speed 6900
tick
expect EngineSpeed 6750
expect InjectionDuration 0
expect EngineLoad 100
expect event "Full load enrichment applied..."
expect status "CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min..."

# Throttle closed at 2200 rev/min: fuel cut while at 2000 or more, 200 rev/min less each
# second, then the idle control holds 800.
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
