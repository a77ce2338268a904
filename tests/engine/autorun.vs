# Auto run: +20 rev/min a second from 800 to 5980 and back; above 800 it charges, warms the engine 2 C
# a second (to 90), swings lambda once warm, draws a gear on counted seconds 1 and 3 and a load on 6 (seeded).
seed 3
menu File > Start / Stop Engine
click frmControls.chkAuto

# First counted second: 820 rev/min draws gear 4; the closed throttle's idle control then
# brings the speed back to 800.
tick
expect event "Auto run selected..."
expect StepCounter 1
expect frmControls.optGear(4) checked true
expect SystemVoltage 14
expect EngineTemperature 2
expect FRMsimulation.HSB_Lambda value -1
expect EngineSpeed 800
tick 4
# Sixth counted second: a load of 49 %, throttle on, and the counter starts again.
tick
expect StepCounter 0
expect EngineLoad 49
expect frmControls.optThrottleOn checked true
expect EngineSpeed 820
tick
expect StepCounter 1
expect Gear 2
expect EngineSpeed 840
tick 2
expect StepCounter 3
expect Gear 3
expect EngineSpeed 880

tick 91
expect EngineTemperature 90
expect FRMsimulation.HSB_Lambda value -1
tick
expect FRMsimulation.HSB_Lambda value 1

# The top of the climb: 5980, then 6000 which falls back to 800 in the same second (the
# rest of auto run is skipped at 800).
tick 7
expect EngineSpeed 5980
expect StepCounter 0
expect Gear 5
expect RoadSpeed 221
tick
expect EngineSpeed 800
expect RoadSpeed 0
tick
expect EngineSpeed 820
expect StepCounter 1

menu File > Start / Stop Engine
expect frmControls.chkAuto value 0
