# Exhaust warning at 800 rev/min and above; with a lambda-sensor fault injected (box 5, 11
# or 17 unticked) the unit also drops the lambda signal to 0.
menu File > Start / Stop Engine
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 700
set FRMsimulation.HSB_Lambda -1
let ExhaustWarning -1
tick
expect noevent "Warning, exhaust gases are out of range..."
expect FRMsimulation.HSB_Lambda value -1

set FRMsimulation.HSB_engine_speed 800
let ExhaustWarning -1
tick
expect status "Warning, exhaust gases are out of range..."
expect FRMsimulation.HSB_Lambda value -1
expect FRMsimulation.lambda text "< 1"

click frmFaults.chkFault(11)
expect ExhaustWarning -1
set FRMsimulation.HSB_Lambda 1
tick
expect status "Warning, exhaust gases are out of range..."
expect FRMsimulation.HSB_Lambda value 0
expect FRMsimulation.lambda text 0
