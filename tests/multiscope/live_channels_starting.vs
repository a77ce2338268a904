# Two channels on the starting and charging circuits: the battery's voltage on A and the
# starter's current through a clamp on B while the engine cranks; then A − B across the
# alternator's output cable shows the cable's drop, healthy and with a high resistance in it.

# Cranking (kept cranking for testing: the crank sensor's wire is open, the engine cannot start).
menu Tools > MultiScope
click MultiScope.optLive
click frmFaults.chkFault(7)
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
drop frmStarting.lblVoltage(0) MultiScope.cmdConnection
drop frmStarting.lblCrankingSpeed(0) MultiScope.cmdChannel(1)
# The starter's hundreds of amperes: the clamp at its coarse sensitivity, read in amperes.
expect MultiScope.cmbProbe(1) text "Clamp 10 mV/A"
expect MultiScope.cmbRange(1) text "Auto"
sweep 40
show MultiScope
# The battery pulled down to about 10 V by about 150 A, both rippling with the compressions
# (two a turn at 132 rev/min: 4.4 Hz).
expect event "\"name\":\"Mean\",\"statistics\":\"current 10.2 V"
show MultiScope
expect event "\"name\":\"Mean\",\"statistics\":\"current 151 A"
show MultiScope
expect event "\"name\":\"Frequency\",\"statistics\":\"current 4.400 Hz"
show MultiScope
expect event "\"name\":\"B\",\"on\":true,\"perdivision\":50,\"place\":\"starting window, at the part\",\"point\":\"Starter speed\",\"points\":501,\"probe\":\"Current clamp 10 mV/A\""
# A clamp at the fine sensitivity reads the same current (the probe's scaling undone).
pick MultiScope.cmbProbe(1) "Clamp 100 mV/A"
sweep 40
show MultiScope
expect event "\"name\":\"Mean\",\"statistics\":\"current 151 A"
menu File > Start / Stop Engine
click frmFaults.chkFault(7)

# The alternator's output cable: A before it, B after it, M1 the drop.
menu File > Start / Stop Engine
menu Systems > Charging
drop frmCharging.lblOutputVoltage(1) MultiScope.cmdConnection
drop frmCharging.lblOutputVoltage(2) MultiScope.cmdChannel(1)
expect MultiScope.lblPlace(0) text "charging window, test point 2"
expect MultiScope.lblPlace(1) text "charging window, test point 3"
pick MultiScope.cmbMath(0) "A − B"
sweep 40
show MultiScope
expect event "\"operation\":\"A − B\",\"trace\":"
show MultiScope
expect event "\"name\":\"Mean\",\"statistics\":\"current 40.0 mV"
# 40 mV healthy at 20 A; with the cable's resistance high, a volt.
click frmFaults.chkFault(41)
sweep 40
show MultiScope
expect event "\"name\":\"Mean\",\"statistics\":\"current 1.00 V"
