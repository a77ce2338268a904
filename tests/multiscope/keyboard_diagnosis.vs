# A whole diagnosis from the keyboard: no mouse event is used (no click, no drop, no pick);
# every step is a key pressed at the control that has the focus (`key`), with `answer` for the
# message boxes and `expect`/`show`/`sweep`/`tick` to look. The engine started from the starting
# window's button, the crank sensor and the injector put on channels A and B by their own keys
# and by the Connect Probe window, the trigger and the time base set, the frequency read; a
# fault injected from the faults window and found by the probes.

# The key turned by the Start button, the Live source chosen.
key frmStarting.cmdStarter Space
expect EngineRunning -1
key MultiScope.optLive Space
expect MultiScope.optLive checked true

# The crank sensor at the unit's pin: its label takes the focus, and 1 puts channel A on it.
key FRMsimulation.lblECU(1) 1
expect MultiScope.cmdChannel(0) text "A: Engine speed"
expect MultiScope.lblPlace(0) text "ECU picture, at the ECU pin"
# The label the key was pressed on keeps the focus, for the next point.
expect FRMsimulation.lblECU(1) focus true
# Enter does the same as 1; 2 puts channel B on a point, here by the Connect Probe window
# (Tools > Connect Probe..., Ctrl+K), which lists every point by window and circuit.
key FRMsimulation.lblECU(1) Ctrl+K
expect frmConnectProbe.tvwPoints focus true
expect frmConnectProbe.tvwPoints current "Engine management window > Engine speed sensor circuit > Engine speed (ECU picture, on the wire at the sensor)"
# Typing a caption's first letter goes to the next point it begins.
key frmConnectProbe.tvwPoints F
key frmConnectProbe.tvwPoints F
expect frmConnectProbe.tvwPoints current "Engine management window > Injector circuit > Fuel injector ms (ECU picture, on the wire at the actuator)"
# A heading is not a point: Enter on it says so and the window stays.
key frmConnectProbe.tvwPoints Up
key frmConnectProbe.tvwPoints Up
expect frmConnectProbe.tvwPoints current "Engine management window > Injector circuit"
key frmConnectProbe.tvwPoints Enter
expect message "Pick a connection point in the list: a window or a circuit is only a heading."
expect frmConnectProbe loaded true
key frmConnectProbe.tvwPoints Down
key frmConnectProbe.tvwPoints Down
key frmConnectProbe.tvwPoints 2
expect frmConnectProbe loaded false
expect MultiScope.cmdChannel(1) text "B: Fuel injector ms"
expect MultiScope.lblPlace(1) text "ECU picture, on the wire at the actuator"
# Escape closes it with nothing connected.
key FRMsimulation.lblECU(1) Ctrl+K
key frmConnectProbe.tvwPoints Escape
expect frmConnectProbe loaded false

# The trigger: Normal, on A's rising edge at 2.5 V; the time base a step faster (F8).
key MultiScope.cmbTrigger Down
expect MultiScope.cmbTrigger text "Normal"
key MultiScope.scopescreen F8
expect MultiScope.lblTimeValue text "5 ms/div"
key MultiScope.scopescreen F7
expect MultiScope.lblTimeValue text "10 ms/div"
sweep 8
show MultiScope
expect event "\"trigger\":{\"channel\":\"A\",\"edge\":\"Rising\",\"level\":2.5,\"mode\":\"Normal\",\"position\":0.5,\"status\":\"Triggered\"}"
show MultiScope
# Near 800 rev/min the 60-2 wheel's teeth pass at 780 Hz or so.
expect event "\"measurements\":[\"Peak to peak 5.40 V\",\"Mean -1.68 mV\",\"Frequency 779.7 Hz\""
# F5 stops the screen and runs it again.
key MultiScope.scopescreen F5
expect ScopePaused -1
key MultiScope.scopescreen F5
expect ScopePaused 0
# Shift+F7 and Shift+F8: from Auto (2 V a division here) a range larger, then two smaller.
expect MultiScope.lblVoltsValue text "Auto"
key MultiScope.scopescreen Shift+F7
expect MultiScope.lblVoltsValue text "5 V"
key MultiScope.scopescreen Shift+F8
key MultiScope.scopescreen Shift+F8
expect MultiScope.lblVoltsValue text "1 V"

# The trigger back on Auto, for the small signal of a cranking engine.
key MultiScope.cmbTrigger Up
expect MultiScope.cmbTrigger text "Auto"

# The fault: box 7 (the crank sensor's wiring) unticked from the keyboard. With no engine
# speed signal the unit stops the engine.
key frmFaults.chkFault(7) Space
expect frmFaults.chkFault(7) checked false
expect EngineRunning 0
# Cranking it for the tests, the probes put back: the sensor's own wave at the sensor (A)...
answer OK
key frmStarting.cmdStarter Space
expect status "Engine cranking for testing..."
key FRMsimulation.Label6 Enter
expect MultiScope.cmdChannel(0) text "A: Engine speed"
expect MultiScope.lblPlace(0) text "engine window, at the part"
sweep 24
expect MultiScope.lblDMM text "  0.5 V (ac)"
show MultiScope
expect noevent "\"trace\":[0,0,0,0,0,0,0,0,0,0,0"
# ...and nothing on the wire beside it (B): the wiring is open.
key FRMsimulation.lblECU(0) 2
expect MultiScope.cmdChannel(1) text "B: Engine speed"
sweep 24
show MultiScope
expect event "\"place\":\"ECU picture, on the wire at the sensor\",\"point\":\"Engine speed\",\"points\":501,\"probe\":\"Direct\",\"trace\":[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]"
key frmStarting.cmdStarter Space
expect EngineCranking 0
key frmFaults.chkFault(7) Space
expect frmFaults.chkFault(7) checked true
