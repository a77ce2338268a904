# Events that arrive while the key is held: the sequence lets pending events run between
# its steps and re-checks only the critical-fault flag.

# A second key turn during the ramp stops the engine; the interrupted start then carries on and starts it.
defer 10 click frmStarting.cmdStarter
defer 11 expect EngineCranking 0
defer 11 expect frmStarting.txtCrankingSpeed text 79
menu File > Start / Stop Engine
expect event "Engine stopped..."
expect event "Engine is running..."
expect EngineRunning -1
expect SystemVoltage 14
menu File > Start / Stop Engine

# A critical fault that appears while cranking (a box unticked during the ramp: the scan
# flags it but does not stop the cranking engine): keep cranking for tests (OK) ...
answer OK
defer 20 click frmFaults.chkFault(21)
menu File > Start / Stop Engine
expect event "\"buttons\":[\"OK\",\"Cancel\"],\"default\":false,\"event\":\"message\",\"icon\":\"critical\",\"text\":\"There is a fault present. Click OK to keep the engine cranking for faultfinding...\\r\\n\\r\\nClick ignition key again after tests are complete. \""
expect noevent "Critical fault condition..."
expect status "Engine cranking for testing..."
expect EngineCranking -1
expect EngineSpeed 132
expect fileline TEMP:Faults.scn 3 "Fuel system fault"
# ... until the key is turned again. Turned once more with the fault still flagged, the
# starter cranks the engine again (from the 11 V the first start left: 121 rev/min) and the
# question comes back; the engine does not start.
menu File > Start / Stop Engine
expect EngineCranking 0
expect status "Engine stopped..."
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
expect EngineCranking -1
expect EngineSpeed 121
expect noevent "Engine is running..."
menu File > Start / Stop Engine
expect EngineCranking 0
# A fault of the starter itself: the key rests in the cranking position, engine still.
click frmFaults.chkFault(35)
mark
menu File > Start / Stop Engine
expect status "Cranking position..."
expect EngineCranking -1
expect EngineSpeed 0
expect noevent "keep the engine cranking"
menu File > Start / Stop Engine
click frmFaults.cmdClear

# ... or give up (Cancel): engine stopped at 12 V, controls left as they were.
let SystemVoltage 12
defer 20 click frmFaults.chkFault(26)
answer Cancel
menu File > Start / Stop Engine
expect event "\"answer\":\"Cancel\""
expect event "{\"event\":\"pause\",\"seconds\":1}"
expect status Ready...
expect frmControls.lblStatus text "Cranking position..."
expect EngineCranking 0
expect EngineSpeed 0
expect SystemVoltage 12

# Turned a third time during the ramp, the engine stopped by the second turn: that start runs
# through (from 11 V: 121 rev/min) before the interrupted one carries on with its own ramp,
# which the running engine does not end.
click frmFaults.cmdClear
let CriticalFault 0
defer 10 click frmStarting.cmdStarter
defer 12 click frmStarting.cmdStarter
defer 13 expect EngineCranking 0
defer 14 expect frmStarting.txtCrankingSpeed text 70
defer 14 expect EngineCranking -1
defer 86 expect EngineRunning 0
defer 87 expect EngineRunning -1
defer 87 expect frmStarting.txtCrankingSpeed text 81
menu File > Start / Stop Engine
expect CrankingSpeed 121
expect EngineRunning -1
expect EngineSpeed 800
expect SystemVoltage 14
menu File > Start / Stop Engine
expect EngineRunning 0
