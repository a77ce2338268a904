# A screen reader is told what the Live screen shows, and told again as it changes: the channel
# and its scale, the time base, the trigger and its state, the measurements. The stored sweep
# has no such description.
menu File > Start / Stop Engine
menu Tools > MultiScope
show MultiScope.scopescreen
expect event "\"accessibleName\":\"Scope screen\""
click MultiScope.optLive
set FRMsimulation.HSB_engine_speed 800
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
pick MultiScope.cmbTrigger Normal
set MultiScope.spnLevel 2.5
set MultiScope.sldTime 3
sweep 8
show MultiScope.scopescreen
expect event "Time base 1 ms/div. Trigger Normal on channel A, rising edge at 2.50 V: Triggered"
show MultiScope.scopescreen
expect event "Measured: Peak to peak 5.40 V"

# The edge and the time base as the user changes them.
pick MultiScope.cmbEdge Falling
set MultiScope.sldTime 4
sweep 8
show MultiScope.scopescreen
expect event "Time base 2 ms/div. Trigger Normal on channel A, falling edge at 2.50 V"
show MultiScope.scopescreen
expect noevent "Time base 1 ms/div"

click MultiScope.optStored
show MultiScope.scopescreen
expect event "\"description\":\"\""
