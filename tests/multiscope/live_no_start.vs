# A car that will not start, measured as in a workshop with the scope's Live source: the
# ignition on with the engine still, then the engine cranking without starting.

# The ignition on: the battery at rest, the manifold at atmospheric, the pump's priming run.
menu Tools > MultiScope
click MultiScope.optLive
menu Systems > Starting
expect frmStarting.cmdIgnition checked false
click frmStarting.cmdIgnition
expect IgnitionOn -1
expect status "Ignition on..."
expect frmStarting.cmdIgnition checked true
expect frmStarting.lblKeyPosition text "Key: ignition on"
drop frmStarting.lblVoltage(0) MultiScope.cmdConnection
expect noevent "Remember, the engine needs"
expect MultiScope.cmdConnection text "Connected: Starter supply"
sweep 24
expect MultiScope.lblDMM text "  12.6 V (dc)"
drop FRMsimulation.Label7 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  4.5 V (dc)"
drop FRMsimulation.Label1 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  4.6 A (dc)"
tick 2
sweep 24
expect MultiScope.lblDMM text "  0.0 A (dc)"
expect IgnitionOn -1
# The key back to off from the main window's menu: the unit and its sensors dead.
drop FRMsimulation.Label7 MultiScope.cmdConnection
menu File > Ignition On / Off
expect IgnitionOn 0
expect frmStarting.cmdIgnition checked false
sweep 24
expect MultiScope.lblDMM text "  0.0 V (dc)"
# The stored waveforms were taken on a turning engine: with Stored the drop is refused.
click MultiScope.optStored
drop FRMsimulation.Label7 MultiScope.cmdConnection
expect message "Remember, the engine needs to be running or cranking (or at least trying to crank) to get readings on some tests..."
click MultiScope.optLive

# The crank sensor's wire open: the starter cranks the engine, kept cranking for the tests.
click frmFaults.chkFault(7)
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
expect EngineCranking -1
expect EngineSpeed 132
expect frmStarting.lblKeyPosition text "Key: start"
# The sensor gives its wave; the wire and the pin nothing.
drop FRMsimulation.Label6 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.5 V (ac)"
show MultiScope
expect noevent "\"trace\":[0,0,0,0,0,0,0,0,0,0,0"
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.0 V (dc)"
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.0 V (dc)"
show MultiScope
expect event "\"trace\":[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]"
# No crank signal at the unit: no pulse on the injector, no switching of the coil.
drop FRMsimulation.Label5 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.0 ms"
drop FRMsimulation.Label4 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0 % dwell"
menu File > Start / Stop Engine
expect EngineCranking 0
click frmFaults.chkFault(7)

# The crank sensor's pin corroded at the unit: the wave on the wire, a twentieth of it (a few
# hundredths of a volt) at the pin, too little for the unit, which fires no injector.
click frmFaults.chkFault(13)
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
drop FRMsimulation.lblECU(0) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.5 V (ac)"
drop FRMsimulation.lblECU(1) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.0 V (ac)"
show MultiScope
expect noevent "\"trace\":[0,0,0,0,0,0,0,0,0,0,0"
drop FRMsimulation.Label5 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0.0 ms"
menu File > Start / Stop Engine
click frmFaults.chkFault(13)

# The coil's drive open at the unit: the dwell at the unit's pin, not at the coil.
click frmFaults.chkFault(22)
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
drop FRMsimulation.lblECU(12) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  35 % dwell"
drop FRMsimulation.lblECU(13) MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0 % dwell"
drop FRMsimulation.Label4 MultiScope.cmdConnection
sweep 24
expect MultiScope.lblDMM text "  0 % dwell"
menu File > Start / Stop Engine
expect IgnitionOn 0
expect frmStarting.lblKeyPosition text "Key: off"
click frmFaults.chkFault(22)
