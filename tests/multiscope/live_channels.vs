# Four channels on the Live screen: the crank sensor on A and the injector on B with a Normal
# trigger on A's gap, each channel's label naming its point's place; the injector's opening
# stands at the same crank angle across screens (every second turn of the crank, as the injector
# opens once a cycle of two turns), and the engine speed worked out from A.
menu File > Start / Stop Engine
menu Tools > MultiScope
click MultiScope.optLive
set FRMsimulation.HSB_engine_speed 800
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
expect MultiScope.cmdChannel(0) text "A: Engine speed"
expect MultiScope.lblPlace(0) text "ECU picture, at the ECU pin"
drop FRMsimulation.lblECU(15) MultiScope.cmdChannel(1)
expect MultiScope.cmdChannel(1) text "B: Fuel injector ms"
expect MultiScope.lblPlace(1) text "ECU picture, on the wire at the actuator"
# The injector's switch-off spike reaches 60 V: the attenuator is the probe that fits it.
expect MultiScope.cmbProbe(1) text "×10"
pick MultiScope.cmbTrigger Normal
set MultiScope.spnLevel 2.5
set MultiScope.hsbXshift -40
set MultiScope.sldTime 7
expect MultiScope.lblTimeValue text "20 ms/div"
sweep 8
show MultiScope
expect event "\"trigger\":{\"channel\":\"A\",\"edge\":\"Rising\",\"level\":2.5,\"mode\":\"Normal\",\"position\":0.1,\"status\":\"Triggered\"}"
# 200 ms a screen, 4 ms between the samples shown: the gap at sample 5, the injector open
# (0.3 V) from 4 ms after it, on this turn and two turns (150 ms) later...
show MultiScope
expect event "[14,14,14,14,14,14,0.3,0.3,0.3,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,0.3,0.3,17.742,14,14,14,14]"
# ...then, triggered on the next turn's gap, open a turn (75 ms) after it...
sweep 4
show MultiScope
expect event "[14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,0.3,0.3,0.3,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14]"
# ...and screen after screen at those crank angles again.
sweep 8
show MultiScope
expect event "[14,14,14,14,14,14,0.3,0.3,0.3,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,14,0.3,0.3,17.742,14,14,14,14]"

# The engine speed from A's teeth: the 800 rev/min the engine runs at, in rev/min.
pick MultiScope.cmbMath(0) "Engine speed (A)"
sweep 8
show MultiScope
expect event "\"name\":\"Mean\",\"statistics\":\"current 800 rev/min"
expect MultiScope.cmbMath(0) text "Engine speed (A)"

# The trigger on B instead: the injector's falling edge at 7 V, in B's unit.
pick MultiScope.cmbTriggerSource B
expect MultiScope.spnLevel text "7.00 V"
sweep 8
show MultiScope
expect event "\"channel\":\"B\",\"edge\":\"Falling\",\"level\":7,\"mode\":\"Normal\""
# The injector opens every 150 ms, the screen looks every 100 ms: one look in three or so
# finds no new opening and waits, keeping the last screen.
sweep 4
show MultiScope
sweep 4
show MultiScope
sweep 4
show MultiScope
expect event "\"status\":\"Triggered\""

# A channel turned off shows no trace and no measurement; B's probe set to a clamp cannot
# measure a voltage and says so.
click MultiScope.chkChannel(1)
sweep 8
show MultiScope
expect event "\"name\":\"B\",\"on\":false"
click MultiScope.chkChannel(1)
pick MultiScope.cmbProbe(1) "Clamp 100 mV/A"
sweep 8
show MultiScope
expect event "\"problem\":\"This point is a voltage: measure it with the direct lead or the ×10 attenuator.\""
# Taken off from the keyboard's command (a point's key), and put on again.
set MultiScope.cmdChannel(1) none
expect MultiScope.cmdChannel(1) text "B: connect a probe..."
set MultiScope.cmdChannel(1) ecu.injector.wire
expect MultiScope.cmdChannel(1) text "B: Fuel injector ms"
